<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="ready">
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message id="waitingForSelection">
        <source>Waiting for selection...</source>
        <translation>範囲選択を待っています...</translation>
    </message>
    <message id="captureCancelled">
        <source>Capture cancelled</source>
        <translation>キャプチャをキャンセルしました</translation>
    </message>
    <message id="textCopied">
        <source>Text copied, ready to paste</source>
        <translation>クリップボードにコピーしました</translation>
    </message>
    <message id="screenshotCopied">
        <source>Screenshot copied, ready for AI chat or terminal</source>
        <translation>スクリーンショットをコピーしました</translation>
    </message>
    <message id="copiedCharacterCount" numerus="yes">
        <source>Copied %n characters</source>
        <translation>
            <numerusform>%n 文字をコピーしました</numerusform>
        </translation>
    </message>
    <message id="screenRecordingPermissionHint">
        <source>Capture again and allow screenshots when your desktop asks. No restart is needed.</source>
        <translation>もう一度キャプチャし、デスクトップに尋ねられたらスクリーンショットを許可してください。再起動は不要です。</translation>
    </message>
    <message id="screenRecordingPermissionTitle">
        <source>Screenshot Permission Required</source>
        <translation>スクリーンショットの権限が必要です</translation>
    </message>
    <message id="screenRecordingPermissionMessage">
        <source>Tessarin only captures the screen region you select after you press a shortcut or choose a menu item. It uses that region to copy a screenshot or recognize text locally, and it does not record in the background.

Your desktop did not hand Tessarin a picture of the screen. Choose Ask Again, then capture again and allow screenshots when the desktop asks. No restart is needed.</source>
        <translation>Tessarin は、ショートカットを押すかメニュー項目を選んだ後に、選択した画面領域だけをキャプチャします。その領域はスクリーンショットのコピーやローカルでの文字認識にのみ使われ、バックグラウンドで録画することはありません。

デスクトップが Tessarin に画面の画像を渡しませんでした。「もう一度確認」を選び、もう一度キャプチャして、デスクトップに尋ねられたらスクリーンショットを許可してください。再起動は不要です。</translation>
    </message>
    <message id="openSystemSettings">
        <source>Ask Again</source>
        <translation>もう一度確認</translation>
    </message>
    <message id="noTextDetected">
        <source>No text detected</source>
        <translation>テキストが見つかりませんでした</translation>
    </message>
    <message id="helpTitle">
        <source>Tessarin Help</source>
        <translation>Tessarin ヘルプ</translation>
    </message>
    <message id="helpSteps">
        <source>1. Press %1 to capture text, or %2 to capture a screenshot.
2. Drag over the part of the screen you want; Escape cancels.
3. Paste the result straight into an AI chat or a terminal.</source>
        <translation>1. %1 でテキストを、%2 でスクリーンショットをキャプチャします。
2. 必要な範囲をドラッグして選びます。Esc でキャンセルします。
3. 結果を AI チャットやターミナルにそのまま貼り付けます。</translation>
    </message>
    <message id="ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="onboardingTitle">
        <source>Tessarin is running in the system tray</source>
        <translation>Tessarin はシステムトレイで実行中です</translation>
    </message>
    <message id="onboardingMessage">
        <source>Click this icon or press %1</source>
        <translation>このアイコンをクリックするか、%1 を押してください</translation>
    </message>
    <message id="recognizing">
        <source>Recognizing...</source>
        <translation>認識中...</translation>
    </message>
    <message id="captureText">
        <source>Capture Text for AI</source>
        <translation>テキストをキャプチャ</translation>
    </message>
    <message id="captureScreenshot">
        <source>Capture Screenshot for Terminal</source>
        <translation>スクリーンショットをキャプチャ</translation>
    </message>
    <message id="textShortcutStatus">
        <source>Text shortcut: %1</source>
        <translation>テキストショートカット: %1</translation>
    </message>
    <message id="imageShortcutStatus">
        <source>Image shortcut: %1</source>
        <translation>画像ショートカット: %1</translation>
    </message>
    <message id="hotKeyRegistrationFailed">
        <source>Shortcut %1 could not be registered. Another app may be using it.</source>
        <translation>ショートカット %1 を登録できませんでした。別のアプリが使用している可能性があります。</translation>
    </message>
    <message id="hotKeyConflictRestored">
        <source>%1 is likely used by another screenshot tool. Restored %2.</source>
        <translation>%1 は他のスクリーンショットツールが使っている可能性があります。%2 に戻しました。</translation>
    </message>
    <message id="languageMode">
        <source>Language Mode</source>
        <translation>言語モード</translation>
    </message>
    <message id="settings">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="help">
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message id="quit">
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message id="settingsWindowTitle">
        <source>Tessarin Settings</source>
        <translation>Tessarin 設定</translation>
    </message>
    <message id="captureSection">
        <source>Capture &amp; Paste</source>
        <translation>キャプチャ</translation>
    </message>
    <message id="textShortcutKey">
        <source>Text shortcut key</source>
        <translation>テキストショートカットキー</translation>
    </message>
    <message id="textShortcut">
        <source>Text shortcut</source>
        <translation>テキストショートカット</translation>
    </message>
    <message id="imageShortcut">
        <source>Image shortcut</source>
        <translation>画像ショートカット</translation>
    </message>
    <message id="textRecognitionSection">
        <source>Text Recognition</source>
        <translation>認識</translation>
    </message>
    <message id="appSection">
        <source>App</source>
        <translation>アプリ</translation>
    </message>
    <message id="lastStatus">
        <source>Last status</source>
        <translation>最新ステータス</translation>
    </message>
    <message id="notNow">
        <source>Not Now</source>
        <translation>後で</translation>
    </message>
    <message id="privacyTitle">
        <source>Privacy</source>
        <translation>プライバシー</translation>
    </message>
    <message id="privacyMessage">
        <source>Tessarin only processes the screen region you select. Recognized text is copied to the clipboard; screenshot copy stores a temporary local PNG so a terminal can paste a file path.</source>
        <translation>Tessarin は選択した画面領域だけを処理します。認識したテキストはクリップボードにコピーされます。スクリーンショットのコピーでは、ターミナルがファイルパスを貼り付けられるよう、一時的な PNG をローカルに保存します。</translation>
    </message>
    <message id="languageModeAutomatic">
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message id="languageModePrioritizeLatin">
        <source>Prioritize Latin Languages</source>
        <translation>ラテン言語を優先</translation>
    </message>
    <message id="languageModePrioritizeCJK">
        <source>Prioritize Chinese, Japanese, Korean</source>
        <translation>中日韓を優先</translation>
    </message>
    <message id="captureFailed">
        <source>Capture failed</source>
        <translation>キャプチャに失敗しました</translation>
    </message>
    <message id="recognitionFailed">
        <source>Recognition failed. Try again.</source>
        <translation>認識に失敗しました。もう一度お試しください。</translation>
    </message>
    <message id="unexpectedError">
        <source>Something went wrong</source>
        <translation>不明なエラーが発生しました</translation>
    </message>
    <message id="cannotWriteToFolder">
        <source>Capture failed: cannot write to %1</source>
        <translation>キャプチャに失敗しました: %1 に書き込めません</translation>
    </message>
    <message id="diskFull">
        <source>Capture failed: the disk is full</source>
        <translation>キャプチャに失敗しました: ディスクがいっぱいです</translation>
    </message>
    <message id="settingsCannotBeSaved">
        <source>Settings cannot be saved: cannot write to %1</source>
        <translation>設定を保存できません: %1 に書き込めません</translation>
    </message>
    <message id="settingsFileKept">
        <source>The settings file could not be read. Tessarin uses the defaults and kept the old file as %1</source>
        <translation>設定ファイルを読み込めなかったため、既定の設定を使います。元のファイルは %1 として保存しました</translation>
    </message>
    <message id="singleInstanceUnguarded">
        <source>Tessarin cannot make sure it runs only once: %1 is not private</source>
        <translation>Tessarin の多重起動を防げません: %1 は非公開のフォルダではありません</translation>
    </message>
    <message id="hotKeyNeedsModifier">
        <source>A shortcut needs Ctrl, Super or Alt. Kept %1.</source>
        <translation>ショートカットには Ctrl、Super、Alt のいずれかが必要です。%1 のままにしました</translation>
    </message>
    <message id="hotKeyRegistrationRecovered">
        <source>Shortcut %1 works now</source>
        <translation>ショートカット %1 が使えるようになりました</translation>
    </message>
    <message id="onboardingTitleWithoutTray">
        <source>Tessarin is running</source>
        <translation>Tessarin は実行中です</translation>
    </message>
    <message id="onboardingMessageWithoutTray">
        <source>Press %1 to capture text. Start Tessarin again from the application menu to open its settings.</source>
        <translation>%1 でテキストをキャプチャします。設定を開くには、アプリケーションメニューから Tessarin をもう一度起動してください。</translation>
    </message>
    <message id="onboardingMessageWithoutShortcut">
        <source>Click this icon to capture text or choose another shortcut</source>
        <translation>このアイコンをクリックしてテキストをキャプチャするか、別のショートカットを選んでください</translation>
    </message>
    <message id="onboardingMessageWithoutTrayOrShortcut">
        <source>Start Tessarin again from the application menu to choose another shortcut.</source>
        <translation>別のショートカットを選ぶには、アプリケーションメニューから Tessarin をもう一度起動してください。</translation>
    </message>
    <message id="modifierKeys">
        <source>Modifier keys</source>
        <translation>修飾キー</translation>
    </message>
    <message id="recognitionTimedOut">
        <source>Recognition took too long; the clipboard was left as it was</source>
        <translation>認識に時間がかかりすぎたため、クリップボードは変更されていません</translation>
    </message>
    <message id="clipboardChangedMeanwhile">
        <source>Not copied: the clipboard changed during the capture</source>
        <translation>コピーしませんでした：キャプチャ中にクリップボードが変更されました</translation>
    </message>
    <message id="imageFolderIsLink">
        <source>Capture failed: %1 is a link, not a folder</source>
        <translation>キャプチャに失敗しました: %1 はフォルダではなくリンクです</translation>
    </message>
    <message id="imageFolderIsFile">
        <source>Capture failed: %1 is a file, not a folder</source>
        <translation>キャプチャに失敗しました: %1 はフォルダではなくファイルです</translation>
    </message>
    <message id="imageFolderOfAnotherUser">
        <source>Capture failed: %1 belongs to another user</source>
        <translation>キャプチャに失敗しました: %1 は別のユーザーのものです</translation>
    </message>
    <message id="imageFolderReadOnly">
        <source>Capture failed: %1 is on a read-only file system</source>
        <translation>キャプチャに失敗しました: %1 は読み取り専用のファイルシステム上にあります</translation>
    </message>
    <message id="imageFolderOnSpecialFileSystem">
        <source>Capture failed: %1 is on a system file system that cannot hold files</source>
        <translation>キャプチャに失敗しました: %1 はファイルを保存できないシステム用のファイルシステム上にあります</translation>
    </message>
    <message id="imageFolderPermissionDenied">
        <source>Capture failed: no permission to write to %1</source>
        <translation>キャプチャに失敗しました: %1 に書き込む権限がありません</translation>
    </message>
    <message id="singleInstanceUnanswered">
        <source>Tessarin is already running but does not respond. End it in the system monitor, then start it again.</source>
        <translation>Tessarin はすでに実行中ですが、応答しません。システムモニターで終了してから、もう一度起動してください。</translation>
    </message>
    <message id="hotKeyIsScreenshotShortcut">
        <source>%1 is Tessarin’s screenshot shortcut. Kept %2.</source>
        <translation>%1 は Tessarin のスクリーンショット用ショートカットです。%2 のままにしました</translation>
    </message>
    <message id="codeCopied">
        <source>Copied %1: %2</source>
        <translation>%1をコピーしました: %2</translation>
    </message>
    <message id="codesCopiedCount" numerus="yes">
        <source>Copied %n codes</source>
        <translation>
            <numerusform>%n 個のコードをコピーしました</numerusform>
        </translation>
    </message>
</context>
</TS>
