#pragma once

#include <QObject>

namespace LocalizedKeys {
Q_NAMESPACE

// Every user-visible message of the program. A key's name is its id in the translation files
// (translations/tessarin_*.ts), which hold the texts of every language, English included. A new
// key goes here and, with its English text, into ids below.
enum class LocalizedKey {
    ready,
    waitingForSelection,
    captureCancelled,
    textCopied,
    screenshotCopied,
    copiedCharacterCount,
    screenRecordingPermissionHint,
    screenRecordingPermissionTitle,
    screenRecordingPermissionMessage,
    openSystemSettings,
    noTextDetected,
    helpTitle,
    helpSteps,
    ok,
    onboardingTitle,
    onboardingMessage,
    recognizing,
    captureText,
    captureScreenshot,
    textShortcutStatus,
    imageShortcutStatus,
    hotKeyRegistrationFailed,
    hotKeyConflictRestored,
    languageMode,
    settings,
    help,
    quit,
    settingsWindowTitle,
    captureSection,
    textShortcutKey,
    textShortcut,
    imageShortcut,
    textRecognitionSection,
    appSection,
    lastStatus,
    notNow,
    privacyTitle,
    privacyMessage,
    languageModeAutomatic,
    languageModePrioritizeLatin,
    languageModePrioritizeCJK,
    captureFailed,
    recognitionFailed,
    unexpectedError,
    cannotWriteToFolder,
    diskFull,
    settingsCannotBeSaved,
    settingsFileKept,
    singleInstanceUnguarded,
    hotKeyNeedsModifier,
    hotKeyRegistrationRecovered,
    onboardingTitleWithoutTray,
    onboardingMessageWithoutTray,
    onboardingMessageWithoutShortcut,
    onboardingMessageWithoutTrayOrShortcut,
    modifierKeys,
    recognitionTimedOut,
    clipboardChangedMeanwhile,
    imageFolderIsLink,
    imageFolderIsFile,
    imageFolderOfAnotherUser,
    imageFolderReadOnly,
    imageFolderOnSpecialFileSystem,
    imageFolderPermissionDenied,
    singleInstanceUnanswered,
    hotKeyIsScreenshotShortcut,
    codeCopied,
    codesCopiedCount,
};
Q_ENUM_NS(LocalizedKey)

// Every key's id, in the enum's order, each with its English text: Qt's lupdate reads these into
// the translation files, and Qt Linguist shows the text to the translator as the source.
inline constexpr const char *ids[] = {
    //% "Ready"
    QT_TRID_NOOP("ready"),
    //% "Waiting for selection..."
    QT_TRID_NOOP("waitingForSelection"),
    //% "Capture cancelled"
    QT_TRID_NOOP("captureCancelled"),
    //% "Text copied, ready to paste"
    QT_TRID_NOOP("textCopied"),
    //% "Screenshot copied, ready for AI chat or terminal"
    QT_TRID_NOOP("screenshotCopied"),
    //% "Copied %n characters"
    QT_TRID_N_NOOP("copiedCharacterCount"),
    //% "Capture again and allow screenshots when your desktop asks. No restart is needed."
    QT_TRID_NOOP("screenRecordingPermissionHint"),
    //% "Screenshot Permission Required"
    QT_TRID_NOOP("screenRecordingPermissionTitle"),
    //% "Tessarin only captures the screen region you select after you press a shortcut or choose a "
    //% "menu item. It uses that region to copy a screenshot or recognize text locally, and it does "
    //% "not record in the background.\n\nYour desktop did not hand Tessarin a picture of the screen. "
    //% "Choose Ask Again, then capture again and allow screenshots when the desktop asks. No restart "
    //% "is needed."
    QT_TRID_NOOP("screenRecordingPermissionMessage"),
    //% "Ask Again"
    QT_TRID_NOOP("openSystemSettings"),
    //% "No text detected"
    QT_TRID_NOOP("noTextDetected"),
    //% "Tessarin Help"
    QT_TRID_NOOP("helpTitle"),
    //% "1. Press %1 to capture text, or %2 to capture a screenshot.\n2. Drag over the part of the "
    //% "screen you want; Escape cancels.\n3. Paste the result straight into an AI chat or a terminal."
    QT_TRID_NOOP("helpSteps"),
    //% "OK"
    QT_TRID_NOOP("ok"),
    //% "Tessarin is running in the system tray"
    QT_TRID_NOOP("onboardingTitle"),
    //% "Click this icon or press %1"
    QT_TRID_NOOP("onboardingMessage"),
    //% "Recognizing..."
    QT_TRID_NOOP("recognizing"),
    //% "Capture Text for AI"
    QT_TRID_NOOP("captureText"),
    //% "Capture Screenshot for Terminal"
    QT_TRID_NOOP("captureScreenshot"),
    //% "Text shortcut: %1"
    QT_TRID_NOOP("textShortcutStatus"),
    //% "Image shortcut: %1"
    QT_TRID_NOOP("imageShortcutStatus"),
    //% "Shortcut %1 could not be registered. Another app may be using it."
    QT_TRID_NOOP("hotKeyRegistrationFailed"),
    //% "%1 is likely used by another screenshot tool. Restored %2."
    QT_TRID_NOOP("hotKeyConflictRestored"),
    //% "Language Mode"
    QT_TRID_NOOP("languageMode"),
    //% "Settings"
    QT_TRID_NOOP("settings"),
    //% "Help"
    QT_TRID_NOOP("help"),
    //% "Quit"
    QT_TRID_NOOP("quit"),
    //% "Tessarin Settings"
    QT_TRID_NOOP("settingsWindowTitle"),
    //% "Capture & Paste"
    QT_TRID_NOOP("captureSection"),
    //% "Text shortcut key"
    QT_TRID_NOOP("textShortcutKey"),
    //% "Text shortcut"
    QT_TRID_NOOP("textShortcut"),
    //% "Image shortcut"
    QT_TRID_NOOP("imageShortcut"),
    //% "Text Recognition"
    QT_TRID_NOOP("textRecognitionSection"),
    //% "App"
    QT_TRID_NOOP("appSection"),
    //% "Last status"
    QT_TRID_NOOP("lastStatus"),
    //% "Not Now"
    QT_TRID_NOOP("notNow"),
    //% "Privacy"
    QT_TRID_NOOP("privacyTitle"),
    //% "Tessarin only processes the screen region you select. Recognized text is copied to the "
    //% "clipboard; screenshot copy stores a temporary local PNG so a terminal can paste a file path."
    QT_TRID_NOOP("privacyMessage"),
    //% "Automatic"
    QT_TRID_NOOP("languageModeAutomatic"),
    //% "Prioritize Latin Languages"
    QT_TRID_NOOP("languageModePrioritizeLatin"),
    //% "Prioritize Chinese, Japanese, Korean"
    QT_TRID_NOOP("languageModePrioritizeCJK"),
    //% "Capture failed"
    QT_TRID_NOOP("captureFailed"),
    //% "Recognition failed. Try again."
    QT_TRID_NOOP("recognitionFailed"),
    //% "Something went wrong"
    QT_TRID_NOOP("unexpectedError"),
    //% "Capture failed: cannot write to %1"
    QT_TRID_NOOP("cannotWriteToFolder"),
    //% "Capture failed: the disk is full"
    QT_TRID_NOOP("diskFull"),
    //% "Settings cannot be saved: cannot write to %1"
    QT_TRID_NOOP("settingsCannotBeSaved"),
    //% "The settings file could not be read. Tessarin uses the defaults and kept the old file as %1"
    QT_TRID_NOOP("settingsFileKept"),
    //% "Tessarin cannot make sure it runs only once: %1 is not private"
    QT_TRID_NOOP("singleInstanceUnguarded"),
    //% "A shortcut needs Ctrl, Super or Alt. Kept %1."
    QT_TRID_NOOP("hotKeyNeedsModifier"),
    //% "Shortcut %1 works now"
    QT_TRID_NOOP("hotKeyRegistrationRecovered"),
    //% "Tessarin is running"
    QT_TRID_NOOP("onboardingTitleWithoutTray"),
    //% "Press %1 to capture text. Start Tessarin again from the application menu to open its settings."
    QT_TRID_NOOP("onboardingMessageWithoutTray"),
    //% "Click this icon to capture text or choose another shortcut"
    QT_TRID_NOOP("onboardingMessageWithoutShortcut"),
    //% "Start Tessarin again from the application menu to choose another shortcut."
    QT_TRID_NOOP("onboardingMessageWithoutTrayOrShortcut"),
    //% "Modifier keys"
    QT_TRID_NOOP("modifierKeys"),
    //% "Recognition took too long; the clipboard was left as it was"
    QT_TRID_NOOP("recognitionTimedOut"),
    //% "Not copied: the clipboard changed during the capture"
    QT_TRID_NOOP("clipboardChangedMeanwhile"),
    //% "Capture failed: %1 is a link, not a folder"
    QT_TRID_NOOP("imageFolderIsLink"),
    //% "Capture failed: %1 is a file, not a folder"
    QT_TRID_NOOP("imageFolderIsFile"),
    //% "Capture failed: %1 belongs to another user"
    QT_TRID_NOOP("imageFolderOfAnotherUser"),
    //% "Capture failed: %1 is on a read-only file system"
    QT_TRID_NOOP("imageFolderReadOnly"),
    //% "Capture failed: %1 is on a system file system that cannot hold files"
    QT_TRID_NOOP("imageFolderOnSpecialFileSystem"),
    //% "Capture failed: no permission to write to %1"
    QT_TRID_NOOP("imageFolderPermissionDenied"),
    //% "Tessarin is already running but does not respond. End it in the system monitor, then start it "
    //% "again."
    QT_TRID_NOOP("singleInstanceUnanswered"),
    //% "%1 is Tessarin’s screenshot shortcut. Kept %2."
    QT_TRID_NOOP("hotKeyIsScreenshotShortcut"),
    //% "Copied %1: %2"
    QT_TRID_NOOP("codeCopied"),
    //% "Copied %n codes"
    QT_TRID_N_NOOP("codesCopiedCount"),
};
} // namespace LocalizedKeys

using LocalizedKeys::LocalizedKey;
