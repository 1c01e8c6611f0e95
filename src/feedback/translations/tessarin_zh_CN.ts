<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="ready">
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message id="waitingForSelection">
        <source>Waiting for selection...</source>
        <translation>等待框选...</translation>
    </message>
    <message id="captureCancelled">
        <source>Capture cancelled</source>
        <translation>已取消截图</translation>
    </message>
    <message id="textCopied">
        <source>Text copied, ready to paste</source>
        <translation>文本已复制，可直接粘贴</translation>
    </message>
    <message id="screenshotCopied">
        <source>Screenshot copied, ready for AI chat or terminal</source>
        <translation>截图已复制，可直接粘贴到 AI 或终端</translation>
    </message>
    <message id="copiedCharacterCount" numerus="yes">
        <source>Copied %n characters</source>
        <translation>
            <numerusform>已复制 %n 个字符</numerusform>
        </translation>
    </message>
    <message id="screenRecordingPermissionHint">
        <source>Capture again and allow screenshots when your desktop asks. No restart is needed.</source>
        <translation>请再次截图，并在桌面询问时允许截图。无需重新启动。</translation>
    </message>
    <message id="screenRecordingPermissionTitle">
        <source>Screenshot Permission Required</source>
        <translation>需要截图权限</translation>
    </message>
    <message id="screenRecordingPermissionMessage">
        <source>Tessarin only captures the screen region you select after you press a shortcut or choose a menu item. It uses that region to copy a screenshot or recognize text locally, and it does not record in the background.

Your desktop did not hand Tessarin a picture of the screen. Choose Ask Again, then capture again and allow screenshots when the desktop asks. No restart is needed.</source>
        <translation>Tessarin 只会在你按快捷键或点击菜单后，截取你主动框选的屏幕区域，用于复制截图或在本机识别文字。它不会后台录屏。

桌面没有向 Tessarin 提供屏幕画面。请选择“再次询问”，然后再次截图，并在桌面询问时允许截图。无需重新启动。</translation>
    </message>
    <message id="openSystemSettings">
        <source>Ask Again</source>
        <translation>再次询问</translation>
    </message>
    <message id="noTextDetected">
        <source>No text detected</source>
        <translation>未识别到文字</translation>
    </message>
    <message id="helpTitle">
        <source>Tessarin Help</source>
        <translation>Tessarin 帮助</translation>
    </message>
    <message id="helpSteps">
        <source>1. Press %1 to capture text, or %2 to capture a screenshot.
2. Drag over the part of the screen you want; Escape cancels.
3. Paste the result straight into an AI chat or a terminal.</source>
        <translation>1. 按 %1 截图取字，按 %2 截图复制图片。
2. 拖动框选需要的屏幕区域；按 Esc 取消。
3. 结果会自动进入剪贴板，可直接粘贴给 AI 或终端。</translation>
    </message>
    <message id="ok">
        <source>OK</source>
        <translation>好的</translation>
    </message>
    <message id="onboardingTitle">
        <source>Tessarin is running in the system tray</source>
        <translation>Tessarin 已在系统托盘中运行</translation>
    </message>
    <message id="onboardingMessage">
        <source>Click this icon or press %1</source>
        <translation>点击这个图标，或按 %1</translation>
    </message>
    <message id="recognizing">
        <source>Recognizing...</source>
        <translation>识别中...</translation>
    </message>
    <message id="captureText">
        <source>Capture Text for AI</source>
        <translation>截图取字，复制给 AI</translation>
    </message>
    <message id="captureScreenshot">
        <source>Capture Screenshot for Terminal</source>
        <translation>截图复制图片，可粘贴到终端</translation>
    </message>
    <message id="textShortcutStatus">
        <source>Text shortcut: %1</source>
        <translation>取字快捷键：%1</translation>
    </message>
    <message id="imageShortcutStatus">
        <source>Image shortcut: %1</source>
        <translation>图片快捷键：%1</translation>
    </message>
    <message id="hotKeyRegistrationFailed">
        <source>Shortcut %1 could not be registered. Another app may be using it.</source>
        <translation>快捷键 %1 注册失败，可能已被其他应用占用</translation>
    </message>
    <message id="hotKeyConflictRestored">
        <source>%1 is likely used by another screenshot tool. Restored %2.</source>
        <translation>%1 容易被截图工具抢占，已恢复为 %2</translation>
    </message>
    <message id="languageMode">
        <source>Language Mode</source>
        <translation>语言模式</translation>
    </message>
    <message id="settings">
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message id="help">
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message id="quit">
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message id="settingsWindowTitle">
        <source>Tessarin Settings</source>
        <translation>Tessarin 设置</translation>
    </message>
    <message id="captureSection">
        <source>Capture &amp; Paste</source>
        <translation>截图与粘贴</translation>
    </message>
    <message id="textShortcutKey">
        <source>Text shortcut key</source>
        <translation>取字快捷键</translation>
    </message>
    <message id="textShortcut">
        <source>Text shortcut</source>
        <translation>取字快捷键</translation>
    </message>
    <message id="imageShortcut">
        <source>Image shortcut</source>
        <translation>图片快捷键</translation>
    </message>
    <message id="textRecognitionSection">
        <source>Text Recognition</source>
        <translation>文字识别</translation>
    </message>
    <message id="appSection">
        <source>App</source>
        <translation>应用</translation>
    </message>
    <message id="lastStatus">
        <source>Last status</source>
        <translation>最近状态</translation>
    </message>
    <message id="notNow">
        <source>Not Now</source>
        <translation>暂不</translation>
    </message>
    <message id="privacyTitle">
        <source>Privacy</source>
        <translation>隐私</translation>
    </message>
    <message id="privacyMessage">
        <source>Tessarin only processes the screen region you select. Recognized text is copied to the clipboard; screenshot copy stores a temporary local PNG so a terminal can paste a file path.</source>
        <translation>Tessarin 仅处理你主动框选的屏幕区域。识别文本只会写入剪贴板；截图复制会在本机缓存一个临时 PNG，用于让终端可以粘贴文件路径。</translation>
    </message>
    <message id="languageModeAutomatic">
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message id="languageModePrioritizeLatin">
        <source>Prioritize Latin Languages</source>
        <translation>优先拉丁语系</translation>
    </message>
    <message id="languageModePrioritizeCJK">
        <source>Prioritize Chinese, Japanese, Korean</source>
        <translation>优先中日韩</translation>
    </message>
    <message id="captureFailed">
        <source>Capture failed</source>
        <translation>截图失败</translation>
    </message>
    <message id="recognitionFailed">
        <source>Recognition failed. Try again.</source>
        <translation>识别失败，请重试。</translation>
    </message>
    <message id="unexpectedError">
        <source>Something went wrong</source>
        <translation>发生了未知错误</translation>
    </message>
    <message id="cannotWriteToFolder">
        <source>Capture failed: cannot write to %1</source>
        <translation>截图失败：无法写入 %1</translation>
    </message>
    <message id="diskFull">
        <source>Capture failed: the disk is full</source>
        <translation>截图失败：磁盘已满</translation>
    </message>
    <message id="settingsCannotBeSaved">
        <source>Settings cannot be saved: cannot write to %1</source>
        <translation>无法保存设置：无法写入 %1</translation>
    </message>
    <message id="settingsFileKept">
        <source>The settings file could not be read. Tessarin uses the defaults and kept the old file as %1</source>
        <translation>无法读取设置文件，已改用默认设置，原文件保存为 %1</translation>
    </message>
    <message id="singleInstanceUnguarded">
        <source>Tessarin cannot make sure it runs only once: %1 is not private</source>
        <translation>Tessarin 无法确保只运行一个：%1 不是私有文件夹</translation>
    </message>
    <message id="hotKeyNeedsModifier">
        <source>A shortcut needs Ctrl, Super or Alt. Kept %1.</source>
        <translation>快捷键需要包含 Ctrl、Super 或 Alt，已保留 %1</translation>
    </message>
    <message id="hotKeyRegistrationRecovered">
        <source>Shortcut %1 works now</source>
        <translation>快捷键 %1 现已可用</translation>
    </message>
    <message id="onboardingTitleWithoutTray">
        <source>Tessarin is running</source>
        <translation>Tessarin 正在运行</translation>
    </message>
    <message id="onboardingMessageWithoutTray">
        <source>Press %1 to capture text. Start Tessarin again from the application menu to open its settings.</source>
        <translation>按 %1 截图取字。从应用程序菜单再次启动 Tessarin 可打开设置。</translation>
    </message>
    <message id="onboardingMessageWithoutShortcut">
        <source>Click this icon to capture text or choose another shortcut</source>
        <translation>点击这个图标截图取字，或选择其他快捷键</translation>
    </message>
    <message id="onboardingMessageWithoutTrayOrShortcut">
        <source>Start Tessarin again from the application menu to choose another shortcut.</source>
        <translation>从应用程序菜单再次启动 Tessarin，即可选择其他快捷键。</translation>
    </message>
    <message id="modifierKeys">
        <source>Modifier keys</source>
        <translation>修饰键</translation>
    </message>
    <message id="recognitionTimedOut">
        <source>Recognition took too long; the clipboard was left as it was</source>
        <translation>识别耗时过长，剪贴板未被更改</translation>
    </message>
    <message id="clipboardChangedMeanwhile">
        <source>Not copied: the clipboard changed during the capture</source>
        <translation>未复制：截取期间剪贴板已更改</translation>
    </message>
    <message id="imageFolderIsLink">
        <source>Capture failed: %1 is a link, not a folder</source>
        <translation>截图失败：%1 是链接，不是文件夹</translation>
    </message>
    <message id="imageFolderIsFile">
        <source>Capture failed: %1 is a file, not a folder</source>
        <translation>截图失败：%1 是文件，不是文件夹</translation>
    </message>
    <message id="imageFolderOfAnotherUser">
        <source>Capture failed: %1 belongs to another user</source>
        <translation>截图失败：%1 属于其他用户</translation>
    </message>
    <message id="imageFolderReadOnly">
        <source>Capture failed: %1 is on a read-only file system</source>
        <translation>截图失败：%1 位于只读文件系统上</translation>
    </message>
    <message id="imageFolderOnSpecialFileSystem">
        <source>Capture failed: %1 is on a system file system that cannot hold files</source>
        <translation>截图失败：%1 位于无法存放文件的系统文件系统上</translation>
    </message>
    <message id="imageFolderPermissionDenied">
        <source>Capture failed: no permission to write to %1</source>
        <translation>截图失败：没有写入 %1 的权限</translation>
    </message>
    <message id="singleInstanceUnanswered">
        <source>Tessarin is already running but does not respond. End it in the system monitor, then start it again.</source>
        <translation>Tessarin 已在运行，但没有响应。请在系统监视器中结束它，然后重新启动。</translation>
    </message>
    <message id="hotKeyIsScreenshotShortcut">
        <source>%1 is Tessarin’s screenshot shortcut. Kept %2.</source>
        <translation>%1 已是 Tessarin 的截图快捷键，已保留 %2</translation>
    </message>
    <message id="codeCopied">
        <source>Copied %1: %2</source>
        <translation>已复制 %1：%2</translation>
    </message>
    <message id="codesCopiedCount" numerus="yes">
        <source>Copied %n codes</source>
        <translation>
            <numerusform>已复制 %n 个条码</numerusform>
        </translation>
    </message>
</context>
</TS>
