<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name></name>
    <message id="ready">
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message id="waitingForSelection">
        <source>Waiting for selection...</source>
        <translation>等待框選...</translation>
    </message>
    <message id="captureCancelled">
        <source>Capture cancelled</source>
        <translation>已取消截圖</translation>
    </message>
    <message id="textCopied">
        <source>Text copied, ready to paste</source>
        <translation>已複製到剪貼簿</translation>
    </message>
    <message id="screenshotCopied">
        <source>Screenshot copied, ready for AI chat or terminal</source>
        <translation>截圖已複製，可直接貼到 AI 或終端機</translation>
    </message>
    <message id="copiedCharacterCount" numerus="yes">
        <source>Copied %n characters</source>
        <translation>
            <numerusform>已複製 %n 個字元</numerusform>
        </translation>
    </message>
    <message id="screenRecordingPermissionHint">
        <source>Capture again and allow screenshots when your desktop asks. No restart is needed.</source>
        <translation>請再次截圖，並在桌面詢問時允許截圖。無需重新啟動。</translation>
    </message>
    <message id="screenRecordingPermissionTitle">
        <source>Screenshot Permission Required</source>
        <translation>需要截圖權限</translation>
    </message>
    <message id="screenRecordingPermissionMessage">
        <source>Tessarin only captures the screen region you select after you press a shortcut or choose a menu item. It uses that region to copy a screenshot or recognize text locally, and it does not record in the background.

Your desktop did not hand Tessarin a picture of the screen. Choose Ask Again, then capture again and allow screenshots when the desktop asks. No restart is needed.</source>
        <translation>Tessarin 只會在你按快捷鍵或點擊選單後，截取你主動框選的螢幕區域，用於複製截圖或在本機辨識文字。它不會在背景錄影。

桌面沒有向 Tessarin 提供螢幕畫面。請選擇「再次詢問」，然後再次截圖，並在桌面詢問時允許截圖。無需重新啟動。</translation>
    </message>
    <message id="openSystemSettings">
        <source>Ask Again</source>
        <translation>再次詢問</translation>
    </message>
    <message id="noTextDetected">
        <source>No text detected</source>
        <translation>未偵測到文字</translation>
    </message>
    <message id="helpTitle">
        <source>Tessarin Help</source>
        <translation>Tessarin 說明</translation>
    </message>
    <message id="helpSteps">
        <source>1. Press %1 to capture text, or %2 to capture a screenshot.
2. Drag over the part of the screen you want; Escape cancels.
3. Paste the result straight into an AI chat or a terminal.</source>
        <translation>1. 按 %1 截圖取字，按 %2 截圖複製圖片。
2. 拖曳框選需要的螢幕區域；按 Esc 取消。
3. 結果會自動進入剪貼簿，可直接貼給 AI 或終端機。</translation>
    </message>
    <message id="ok">
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message id="onboardingTitle">
        <source>Tessarin is running in the system tray</source>
        <translation>Tessarin 已在系統匣中執行</translation>
    </message>
    <message id="onboardingMessage">
        <source>Click this icon or press %1</source>
        <translation>點擊這個圖示，或按 %1</translation>
    </message>
    <message id="recognizing">
        <source>Recognizing...</source>
        <translation>辨識中...</translation>
    </message>
    <message id="captureText">
        <source>Capture Text for AI</source>
        <translation>截圖取字，複製給 AI</translation>
    </message>
    <message id="captureScreenshot">
        <source>Capture Screenshot for Terminal</source>
        <translation>截圖複製圖片，可貼到終端機</translation>
    </message>
    <message id="textShortcutStatus">
        <source>Text shortcut: %1</source>
        <translation>取字快捷鍵：%1</translation>
    </message>
    <message id="imageShortcutStatus">
        <source>Image shortcut: %1</source>
        <translation>圖片快捷鍵：%1</translation>
    </message>
    <message id="hotKeyRegistrationFailed">
        <source>Shortcut %1 could not be registered. Another app may be using it.</source>
        <translation>快捷鍵 %1 註冊失敗，可能已被其他應用程式占用</translation>
    </message>
    <message id="hotKeyConflictRestored">
        <source>%1 is likely used by another screenshot tool. Restored %2.</source>
        <translation>%1 容易被截圖工具搶占，已恢復為 %2</translation>
    </message>
    <message id="languageMode">
        <source>Language Mode</source>
        <translation>語言模式</translation>
    </message>
    <message id="settings">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="help">
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message id="quit">
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message id="settingsWindowTitle">
        <source>Tessarin Settings</source>
        <translation>Tessarin 設定</translation>
    </message>
    <message id="captureSection">
        <source>Capture &amp; Paste</source>
        <translation>截圖</translation>
    </message>
    <message id="textShortcutKey">
        <source>Text shortcut key</source>
        <translation>取字快捷鍵</translation>
    </message>
    <message id="textShortcut">
        <source>Text shortcut</source>
        <translation>取字快捷鍵</translation>
    </message>
    <message id="imageShortcut">
        <source>Image shortcut</source>
        <translation>圖片快捷鍵</translation>
    </message>
    <message id="textRecognitionSection">
        <source>Text Recognition</source>
        <translation>辨識</translation>
    </message>
    <message id="appSection">
        <source>App</source>
        <translation>應用程式</translation>
    </message>
    <message id="lastStatus">
        <source>Last status</source>
        <translation>最近狀態</translation>
    </message>
    <message id="notNow">
        <source>Not Now</source>
        <translation>暫不</translation>
    </message>
    <message id="privacyTitle">
        <source>Privacy</source>
        <translation>隱私</translation>
    </message>
    <message id="privacyMessage">
        <source>Tessarin only processes the screen region you select. Recognized text is copied to the clipboard; screenshot copy stores a temporary local PNG so a terminal can paste a file path.</source>
        <translation>Tessarin 僅處理你主動框選的螢幕區域。辨識文字只會寫入剪貼簿；截圖複製會在本機快取一個暫時 PNG，用於讓終端機可以貼上檔案路徑。</translation>
    </message>
    <message id="languageModeAutomatic">
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message id="languageModePrioritizeLatin">
        <source>Prioritize Latin Languages</source>
        <translation>優先拉丁語系</translation>
    </message>
    <message id="languageModePrioritizeCJK">
        <source>Prioritize Chinese, Japanese, Korean</source>
        <translation>優先中日韓</translation>
    </message>
    <message id="captureFailed">
        <source>Capture failed</source>
        <translation>截圖失敗</translation>
    </message>
    <message id="recognitionFailed">
        <source>Recognition failed. Try again.</source>
        <translation>辨識失敗，請重試。</translation>
    </message>
    <message id="unexpectedError">
        <source>Something went wrong</source>
        <translation>發生未知錯誤</translation>
    </message>
    <message id="cannotWriteToFolder">
        <source>Capture failed: cannot write to %1</source>
        <translation>截圖失敗：無法寫入 %1</translation>
    </message>
    <message id="diskFull">
        <source>Capture failed: the disk is full</source>
        <translation>截圖失敗：磁碟已滿</translation>
    </message>
    <message id="settingsCannotBeSaved">
        <source>Settings cannot be saved: cannot write to %1</source>
        <translation>無法儲存設定：無法寫入 %1</translation>
    </message>
    <message id="settingsFileKept">
        <source>The settings file could not be read. Tessarin uses the defaults and kept the old file as %1</source>
        <translation>無法讀取設定檔，已改用預設設定，原檔案保存為 %1</translation>
    </message>
    <message id="singleInstanceUnguarded">
        <source>Tessarin cannot make sure it runs only once: %1 is not private</source>
        <translation>Tessarin 無法確保只執行一個：%1 不是私人資料夾</translation>
    </message>
    <message id="hotKeyNeedsModifier">
        <source>A shortcut needs Ctrl, Super or Alt. Kept %1.</source>
        <translation>快捷鍵需要包含 Ctrl、Super 或 Alt，已保留 %1</translation>
    </message>
    <message id="hotKeyRegistrationRecovered">
        <source>Shortcut %1 works now</source>
        <translation>快捷鍵 %1 現已可用</translation>
    </message>
    <message id="onboardingTitleWithoutTray">
        <source>Tessarin is running</source>
        <translation>Tessarin 正在執行</translation>
    </message>
    <message id="onboardingMessageWithoutTray">
        <source>Press %1 to capture text. Start Tessarin again from the application menu to open its settings.</source>
        <translation>按 %1 截圖取字。從應用程式選單再次啟動 Tessarin 可開啟設定。</translation>
    </message>
    <message id="onboardingMessageWithoutShortcut">
        <source>Click this icon to capture text or choose another shortcut</source>
        <translation>點擊這個圖示截圖取字，或選擇其他快捷鍵</translation>
    </message>
    <message id="onboardingMessageWithoutTrayOrShortcut">
        <source>Start Tessarin again from the application menu to choose another shortcut.</source>
        <translation>從應用程式選單再次啟動 Tessarin，即可選擇其他快捷鍵。</translation>
    </message>
    <message id="modifierKeys">
        <source>Modifier keys</source>
        <translation>輔助按鍵</translation>
    </message>
    <message id="recognitionTimedOut">
        <source>Recognition took too long; the clipboard was left as it was</source>
        <translation>辨識耗時過長，剪貼簿未被變更</translation>
    </message>
    <message id="clipboardChangedMeanwhile">
        <source>Not copied: the clipboard changed during the capture</source>
        <translation>未複製：擷取期間剪貼簿已變更</translation>
    </message>
    <message id="imageFolderIsLink">
        <source>Capture failed: %1 is a link, not a folder</source>
        <translation>截圖失敗：%1 是連結，不是資料夾</translation>
    </message>
    <message id="imageFolderIsFile">
        <source>Capture failed: %1 is a file, not a folder</source>
        <translation>截圖失敗：%1 是檔案，不是資料夾</translation>
    </message>
    <message id="imageFolderOfAnotherUser">
        <source>Capture failed: %1 belongs to another user</source>
        <translation>截圖失敗：%1 屬於其他使用者</translation>
    </message>
    <message id="imageFolderReadOnly">
        <source>Capture failed: %1 is on a read-only file system</source>
        <translation>截圖失敗：%1 位於唯讀檔案系統上</translation>
    </message>
    <message id="imageFolderOnSpecialFileSystem">
        <source>Capture failed: %1 is on a system file system that cannot hold files</source>
        <translation>截圖失敗：%1 位於無法存放檔案的系統檔案系統上</translation>
    </message>
    <message id="imageFolderPermissionDenied">
        <source>Capture failed: no permission to write to %1</source>
        <translation>截圖失敗：沒有寫入 %1 的權限</translation>
    </message>
    <message id="singleInstanceUnanswered">
        <source>Tessarin is already running but does not respond. End it in the system monitor, then start it again.</source>
        <translation>Tessarin 已在執行，但沒有回應。請在系統監視器中結束它，然後重新啟動。</translation>
    </message>
    <message id="hotKeyIsScreenshotShortcut">
        <source>%1 is Tessarin’s screenshot shortcut. Kept %2.</source>
        <translation>%1 已是 Tessarin 的截圖快捷鍵，已保留 %2</translation>
    </message>
    <message id="codeCopied">
        <source>Copied %1: %2</source>
        <translation>已複製 %1：%2</translation>
    </message>
    <message id="codesCopiedCount" numerus="yes">
        <source>Copied %n codes</source>
        <translation>
            <numerusform>已複製 %n 個條碼</numerusform>
        </translation>
    </message>
</context>
</TS>
