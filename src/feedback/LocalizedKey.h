#pragma once

#include <QObject>

namespace LocalizedKeys {
Q_NAMESPACE

// Every user-visible message of the program. A key's name is its id in the translation files
// (translations/tessarin_*.ts), which hold the texts of every language, English included.
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
    hotKeyIsScreenshotShortcut,
};
Q_ENUM_NS(LocalizedKey)
} // namespace LocalizedKeys

using LocalizedKeys::LocalizedKey;
