<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="ready">
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message id="waitingForSelection">
        <source>Waiting for selection...</source>
        <translation>Waiting for selection...</translation>
    </message>
    <message id="captureCancelled">
        <source>Capture cancelled</source>
        <translation>Capture cancelled</translation>
    </message>
    <message id="textCopied">
        <source>Text copied, ready to paste</source>
        <translation>Text copied, ready to paste</translation>
    </message>
    <message id="screenshotCopied">
        <source>Screenshot copied, ready for AI chat or terminal</source>
        <translation>Screenshot copied, ready for AI chat or terminal</translation>
    </message>
    <message id="copiedCharacterCount" numerus="yes">
        <source>Copied %n characters</source>
        <translation>
            <numerusform>Copied %n character</numerusform>
            <numerusform>Copied %n characters</numerusform>
        </translation>
    </message>
    <message id="screenRecordingPermissionHint">
        <source>Capture again and allow screenshots when your desktop asks. No restart is needed.</source>
        <translation>Capture again and allow screenshots when your desktop asks. No restart is needed.</translation>
    </message>
    <message id="screenRecordingPermissionTitle">
        <source>Screenshot Permission Required</source>
        <translation>Screenshot Permission Required</translation>
    </message>
    <message id="screenRecordingPermissionMessage">
        <source>Tessarin only captures the screen region you select after you press a shortcut or choose a menu item. It uses that region to copy a screenshot or recognize text locally, and it does not record in the background.

Your desktop did not hand Tessarin a picture of the screen. Choose Ask Again, then capture again and allow screenshots when the desktop asks. No restart is needed.</source>
        <translation>Tessarin only captures the screen region you select after you press a shortcut or choose a menu item. It uses that region to copy a screenshot or recognize text locally, and it does not record in the background.

Your desktop did not hand Tessarin a picture of the screen. Choose Ask Again, then capture again and allow screenshots when the desktop asks. No restart is needed.</translation>
    </message>
    <message id="openSystemSettings">
        <source>Ask Again</source>
        <translation>Ask Again</translation>
    </message>
    <message id="noTextDetected">
        <source>No text detected</source>
        <translation>No text detected</translation>
    </message>
    <message id="helpTitle">
        <source>Tessarin Help</source>
        <translation>Tessarin Help</translation>
    </message>
    <message id="helpSteps">
        <source>1. Press %1 to capture text, or %2 to capture a screenshot.
2. Drag over the part of the screen you want; Escape cancels.
3. Paste the result straight into an AI chat or a terminal.</source>
        <translation>1. Press %1 to capture text, or %2 to capture a screenshot.
2. Drag over the part of the screen you want; Escape cancels.
3. Paste the result straight into an AI chat or a terminal.</translation>
    </message>
    <message id="ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="onboardingTitle">
        <source>Tessarin is running in the system tray</source>
        <translation>Tessarin is running in the system tray</translation>
    </message>
    <message id="onboardingMessage">
        <source>Click this icon or press %1</source>
        <translation>Click this icon or press %1</translation>
    </message>
    <message id="recognizing">
        <source>Recognizing...</source>
        <translation>Recognizing...</translation>
    </message>
    <message id="captureText">
        <source>Capture Text for AI</source>
        <translation>Capture Text for AI</translation>
    </message>
    <message id="captureScreenshot">
        <source>Capture Screenshot for Terminal</source>
        <translation>Capture Screenshot for Terminal</translation>
    </message>
    <message id="textShortcutStatus">
        <source>Text shortcut: %1</source>
        <translation>Text shortcut: %1</translation>
    </message>
    <message id="imageShortcutStatus">
        <source>Image shortcut: %1</source>
        <translation>Image shortcut: %1</translation>
    </message>
    <message id="hotKeyRegistrationFailed">
        <source>Shortcut %1 could not be registered. Another app may be using it.</source>
        <translation>Shortcut %1 could not be registered. Another app may be using it.</translation>
    </message>
    <message id="hotKeyConflictRestored">
        <source>%1 is likely used by another screenshot tool. Restored %2.</source>
        <translation>%1 is likely used by another screenshot tool. Restored %2.</translation>
    </message>
    <message id="languageMode">
        <source>Language Mode</source>
        <translation>Language Mode</translation>
    </message>
    <message id="settings">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="help">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="settingsWindowTitle">
        <source>Tessarin Settings</source>
        <translation>Tessarin Settings</translation>
    </message>
    <message id="captureSection">
        <source>Capture &amp; Paste</source>
        <translation>Capture &amp; Paste</translation>
    </message>
    <message id="textShortcutKey">
        <source>Text shortcut key</source>
        <translation>Text shortcut key</translation>
    </message>
    <message id="textShortcut">
        <source>Text shortcut</source>
        <translation>Text shortcut</translation>
    </message>
    <message id="imageShortcut">
        <source>Image shortcut</source>
        <translation>Image shortcut</translation>
    </message>
    <message id="textRecognitionSection">
        <source>Text Recognition</source>
        <translation>Text Recognition</translation>
    </message>
    <message id="appSection">
        <source>App</source>
        <translation>App</translation>
    </message>
    <message id="lastStatus">
        <source>Last status</source>
        <translation>Last status</translation>
    </message>
    <message id="notNow">
        <source>Not Now</source>
        <translation>Not Now</translation>
    </message>
    <message id="privacyTitle">
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message id="privacyMessage">
        <source>Tessarin only processes the screen region you select. Recognized text is copied to the clipboard; screenshot copy stores a temporary local PNG so a terminal can paste a file path.</source>
        <translation>Tessarin only processes the screen region you select. Recognized text is copied to the clipboard; screenshot copy stores a temporary local PNG so a terminal can paste a file path.</translation>
    </message>
    <message id="languageModeAutomatic">
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message id="languageModePrioritizeLatin">
        <source>Prioritize Latin Languages</source>
        <translation>Prioritize Latin Languages</translation>
    </message>
    <message id="languageModePrioritizeCJK">
        <source>Prioritize Chinese, Japanese, Korean</source>
        <translation>Prioritize Chinese, Japanese, Korean</translation>
    </message>
    <message id="captureFailed">
        <source>Capture failed</source>
        <translation>Capture failed</translation>
    </message>
    <message id="recognitionFailed">
        <source>Recognition failed. Try again.</source>
        <translation>Recognition failed. Try again.</translation>
    </message>
    <message id="unexpectedError">
        <source>Something went wrong</source>
        <translation>Something went wrong</translation>
    </message>
    <message id="cannotWriteToFolder">
        <source>Capture failed: cannot write to %1</source>
        <translation>Capture failed: cannot write to %1</translation>
    </message>
    <message id="diskFull">
        <source>Capture failed: the disk is full</source>
        <translation>Capture failed: the disk is full</translation>
    </message>
    <message id="settingsCannotBeSaved">
        <source>Settings cannot be saved: cannot write to %1</source>
        <translation>Settings cannot be saved: cannot write to %1</translation>
    </message>
    <message id="settingsFileKept">
        <source>The settings file could not be read. Tessarin uses the defaults and kept the old file as %1</source>
        <translation>The settings file could not be read. Tessarin uses the defaults and kept the old file as %1</translation>
    </message>
    <message id="singleInstanceUnguarded">
        <source>Tessarin cannot make sure it runs only once: %1 is not private</source>
        <translation>Tessarin cannot make sure it runs only once: %1 is not private</translation>
    </message>
    <message id="hotKeyNeedsModifier">
        <source>A shortcut needs Ctrl, Super or Alt. Kept %1.</source>
        <translation>A shortcut needs Ctrl, Super or Alt. Kept %1.</translation>
    </message>
    <message id="hotKeyRegistrationRecovered">
        <source>Shortcut %1 works now</source>
        <translation>Shortcut %1 works now</translation>
    </message>
    <message id="onboardingTitleWithoutTray">
        <source>Tessarin is running</source>
        <translation>Tessarin is running</translation>
    </message>
    <message id="onboardingMessageWithoutTray">
        <source>Press %1 to capture text. Start Tessarin again from the application menu to open its settings.</source>
        <translation>Press %1 to capture text. Start Tessarin again from the application menu to open its settings.</translation>
    </message>
    <message id="onboardingMessageWithoutShortcut">
        <source>Click this icon to capture text or choose another shortcut</source>
        <translation>Click this icon to capture text or choose another shortcut</translation>
    </message>
    <message id="onboardingMessageWithoutTrayOrShortcut">
        <source>Start Tessarin again from the application menu to choose another shortcut.</source>
        <translation>Start Tessarin again from the application menu to choose another shortcut.</translation>
    </message>
    <message id="modifierKeys">
        <source>Modifier keys</source>
        <translation>Modifier keys</translation>
    </message>
    <message id="recognitionTimedOut">
        <source>Recognition took too long; the clipboard was left as it was</source>
        <translation>Recognition took too long; the clipboard was left as it was</translation>
    </message>
    <message id="clipboardChangedMeanwhile">
        <source>Not copied: the clipboard changed during the capture</source>
        <translation>Not copied: the clipboard changed during the capture</translation>
    </message>
    <message id="imageFolderIsLink">
        <source>Capture failed: %1 is a link, not a folder</source>
        <translation>Capture failed: %1 is a link, not a folder</translation>
    </message>
    <message id="imageFolderIsFile">
        <source>Capture failed: %1 is a file, not a folder</source>
        <translation>Capture failed: %1 is a file, not a folder</translation>
    </message>
    <message id="imageFolderOfAnotherUser">
        <source>Capture failed: %1 belongs to another user</source>
        <translation>Capture failed: %1 belongs to another user</translation>
    </message>
    <message id="imageFolderReadOnly">
        <source>Capture failed: %1 is on a read-only file system</source>
        <translation>Capture failed: %1 is on a read-only file system</translation>
    </message>
    <message id="imageFolderOnSpecialFileSystem">
        <source>Capture failed: %1 is on a system file system that cannot hold files</source>
        <translation>Capture failed: %1 is on a system file system that cannot hold files</translation>
    </message>
    <message id="imageFolderPermissionDenied">
        <source>Capture failed: no permission to write to %1</source>
        <translation>Capture failed: no permission to write to %1</translation>
    </message>
    <message id="singleInstanceUnanswered">
        <source>Tessarin is already running but does not respond. End it in the system monitor, then start it again.</source>
        <translation>Tessarin is already running but does not respond. End it in the system monitor, then start it again.</translation>
    </message>
    <message id="hotKeyIsScreenshotShortcut">
        <source>%1 is Tessarin’s screenshot shortcut. Kept %2.</source>
        <translation>%1 is Tessarin’s screenshot shortcut. Kept %2.</translation>
    </message>
    <message id="codeCopied">
        <source>Copied %1: %2</source>
        <translation>Copied %1: %2</translation>
    </message>
    <message id="codesCopiedCount" numerus="yes">
        <source>Copied %n codes</source>
        <translation>
            <numerusform>Copied %n code</numerusform>
            <numerusform>Copied %n codes</numerusform>
        </translation>
    </message>
</context>
</TS>
