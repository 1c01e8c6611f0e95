<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="ready">
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message id="waitingForSelection">
        <source>Waiting for selection...</source>
        <translation>Warte auf Auswahl...</translation>
    </message>
    <message id="captureCancelled">
        <source>Capture cancelled</source>
        <translation>Aufnahme abgebrochen</translation>
    </message>
    <message id="textCopied">
        <source>Text copied, ready to paste</source>
        <translation>In die Zwischenablage kopiert</translation>
    </message>
    <message id="screenshotCopied">
        <source>Screenshot copied, ready for AI chat or terminal</source>
        <translation>Bildschirmfoto kopiert</translation>
    </message>
    <message id="copiedCharacterCount" numerus="yes">
        <source>Copied %n characters</source>
        <translation>
            <numerusform>%n Zeichen kopiert</numerusform>
            <numerusform>%n Zeichen kopiert</numerusform>
        </translation>
    </message>
    <message id="screenRecordingPermissionHint">
        <source>Capture again and allow screenshots when your desktop asks. No restart is needed.</source>
        <translation>Erfassen Sie erneut und erlauben Sie Bildschirmfotos, wenn die Arbeitsumgebung fragt. Ein Neustart ist nicht nötig.</translation>
    </message>
    <message id="screenRecordingPermissionTitle">
        <source>Screenshot Permission Required</source>
        <translation>Bildschirmfoto-Berechtigung erforderlich</translation>
    </message>
    <message id="screenRecordingPermissionMessage">
        <source>Tessarin only captures the screen region you select after you press a shortcut or choose a menu item. It uses that region to copy a screenshot or recognize text locally, and it does not record in the background.

Your desktop did not hand Tessarin a picture of the screen. Choose Ask Again, then capture again and allow screenshots when the desktop asks. No restart is needed.</source>
        <translation>Tessarin erfasst nur den Bildschirmbereich, den Sie nach einem Kurzbefehl oder einem Menübefehl auswählen. Der Bereich dient nur dazu, ein Bildschirmfoto zu kopieren oder Text auf diesem Rechner zu erkennen; im Hintergrund wird nichts aufgezeichnet.

Die Arbeitsumgebung hat Tessarin kein Bild des Bildschirms gegeben. Wählen Sie „Erneut fragen“, erfassen Sie erneut und erlauben Sie Bildschirmfotos, wenn die Arbeitsumgebung fragt. Ein Neustart ist nicht nötig.</translation>
    </message>
    <message id="openSystemSettings">
        <source>Ask Again</source>
        <translation>Erneut fragen</translation>
    </message>
    <message id="noTextDetected">
        <source>No text detected</source>
        <translation>Kein Text erkannt</translation>
    </message>
    <message id="helpTitle">
        <source>Tessarin Help</source>
        <translation>Tessarin-Hilfe</translation>
    </message>
    <message id="helpSteps">
        <source>1. Press %1 to capture text, or %2 to capture a screenshot.
2. Drag over the part of the screen you want; Escape cancels.
3. Paste the result straight into an AI chat or a terminal.</source>
        <translation>1. Drücken Sie %1 für Text oder %2 für ein Bildschirmfoto.
2. Ziehen Sie über den gewünschten Bereich; Esc bricht ab.
3. Fügen Sie das Ergebnis direkt in einen KI-Chat oder ein Terminal ein.</translation>
    </message>
    <message id="ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="onboardingTitle">
        <source>Tessarin is running in the system tray</source>
        <translation>Tessarin läuft im Infobereich der Kontrollleiste</translation>
    </message>
    <message id="onboardingMessage">
        <source>Click this icon or press %1</source>
        <translation>Klicken Sie auf dieses Symbol oder drücken Sie %1</translation>
    </message>
    <message id="recognizing">
        <source>Recognizing...</source>
        <translation>Erkenne...</translation>
    </message>
    <message id="captureText">
        <source>Capture Text for AI</source>
        <translation>Text erfassen</translation>
    </message>
    <message id="captureScreenshot">
        <source>Capture Screenshot for Terminal</source>
        <translation>Bildschirmfoto erfassen</translation>
    </message>
    <message id="textShortcutStatus">
        <source>Text shortcut: %1</source>
        <translation>Textkurzbefehl: %1</translation>
    </message>
    <message id="imageShortcutStatus">
        <source>Image shortcut: %1</source>
        <translation>Bildkurzbefehl: %1</translation>
    </message>
    <message id="hotKeyRegistrationFailed">
        <source>Shortcut %1 could not be registered. Another app may be using it.</source>
        <translation>Der Kurzbefehl %1 konnte nicht registriert werden. Eine andere App verwendet ihn vielleicht.</translation>
    </message>
    <message id="hotKeyConflictRestored">
        <source>%1 is likely used by another screenshot tool. Restored %2.</source>
        <translation>%1 wird wahrscheinlich von einem anderen Bildschirmfoto-Werkzeug verwendet. %2 wurde wiederhergestellt.</translation>
    </message>
    <message id="languageMode">
        <source>Language Mode</source>
        <translation>Sprachmodus</translation>
    </message>
    <message id="settings">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="help">
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message id="quit">
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message id="settingsWindowTitle">
        <source>Tessarin Settings</source>
        <translation>Tessarin-Einstellungen</translation>
    </message>
    <message id="captureSection">
        <source>Capture &amp; Paste</source>
        <translation>Erfassung</translation>
    </message>
    <message id="textShortcutKey">
        <source>Text shortcut key</source>
        <translation>Textkurzbefehl-Taste</translation>
    </message>
    <message id="textShortcut">
        <source>Text shortcut</source>
        <translation>Textkurzbefehl</translation>
    </message>
    <message id="imageShortcut">
        <source>Image shortcut</source>
        <translation>Bildkurzbefehl</translation>
    </message>
    <message id="textRecognitionSection">
        <source>Text Recognition</source>
        <translation>Erkennung</translation>
    </message>
    <message id="appSection">
        <source>App</source>
        <translation>App</translation>
    </message>
    <message id="lastStatus">
        <source>Last status</source>
        <translation>Letzter Status</translation>
    </message>
    <message id="notNow">
        <source>Not Now</source>
        <translation>Später</translation>
    </message>
    <message id="privacyTitle">
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message id="privacyMessage">
        <source>Tessarin only processes the screen region you select. Recognized text is copied to the clipboard; screenshot copy stores a temporary local PNG so a terminal can paste a file path.</source>
        <translation>Tessarin verarbeitet nur den Bildschirmbereich, den Sie auswählen. Erkannter Text wird in die Zwischenablage kopiert; beim Kopieren eines Bildschirmfotos wird eine temporäre PNG-Datei auf diesem Rechner gespeichert, damit ein Terminal einen Dateipfad einfügen kann.</translation>
    </message>
    <message id="languageModeAutomatic">
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message id="languageModePrioritizeLatin">
        <source>Prioritize Latin Languages</source>
        <translation>Lateinische Sprachen priorisieren</translation>
    </message>
    <message id="languageModePrioritizeCJK">
        <source>Prioritize Chinese, Japanese, Korean</source>
        <translation>Chinesisch, Japanisch, Koreanisch priorisieren</translation>
    </message>
    <message id="captureFailed">
        <source>Capture failed</source>
        <translation>Erfassung fehlgeschlagen</translation>
    </message>
    <message id="recognitionFailed">
        <source>Recognition failed. Try again.</source>
        <translation>Erkennung fehlgeschlagen. Bitte erneut versuchen.</translation>
    </message>
    <message id="unexpectedError">
        <source>Something went wrong</source>
        <translation>Ein unbekannter Fehler ist aufgetreten</translation>
    </message>
    <message id="cannotWriteToFolder">
        <source>Capture failed: cannot write to %1</source>
        <translation>Erfassung fehlgeschlagen: %1 ist nicht beschreibbar</translation>
    </message>
    <message id="diskFull">
        <source>Capture failed: the disk is full</source>
        <translation>Erfassung fehlgeschlagen: Der Datenträger ist voll</translation>
    </message>
    <message id="settingsCannotBeSaved">
        <source>Settings cannot be saved: cannot write to %1</source>
        <translation>Einstellungen können nicht gespeichert werden: %1 ist nicht beschreibbar</translation>
    </message>
    <message id="settingsFileKept">
        <source>The settings file could not be read. Tessarin uses the defaults and kept the old file as %1</source>
        <translation>Die Einstellungsdatei ist nicht lesbar. Tessarin verwendet die Standardwerte und hat die alte Datei als %1 aufbewahrt</translation>
    </message>
    <message id="singleInstanceUnguarded">
        <source>Tessarin cannot make sure it runs only once: %1 is not private</source>
        <translation>Tessarin kann nicht sicherstellen, dass es nur einmal läuft: %1 ist nicht privat</translation>
    </message>
    <message id="hotKeyNeedsModifier">
        <source>A shortcut needs Ctrl, Super or Alt. Kept %1.</source>
        <translation>Ein Kurzbefehl braucht Ctrl, Super oder Alt. %1 bleibt bestehen.</translation>
    </message>
    <message id="hotKeyRegistrationRecovered">
        <source>Shortcut %1 works now</source>
        <translation>Der Kurzbefehl %1 funktioniert jetzt</translation>
    </message>
    <message id="onboardingTitleWithoutTray">
        <source>Tessarin is running</source>
        <translation>Tessarin läuft</translation>
    </message>
    <message id="onboardingMessageWithoutTray">
        <source>Press %1 to capture text. Start Tessarin again from the application menu to open its settings.</source>
        <translation>Drücken Sie %1, um Text zu erfassen. Starten Sie Tessarin erneut aus dem Anwendungsmenü, um die Einstellungen zu öffnen.</translation>
    </message>
    <message id="onboardingMessageWithoutShortcut">
        <source>Click this icon to capture text or choose another shortcut</source>
        <translation>Klicken Sie auf dieses Symbol, um Text zu erfassen oder einen anderen Kurzbefehl zu wählen</translation>
    </message>
    <message id="onboardingMessageWithoutTrayOrShortcut">
        <source>Start Tessarin again from the application menu to choose another shortcut.</source>
        <translation>Starten Sie Tessarin erneut aus dem Anwendungsmenü, um einen anderen Kurzbefehl zu wählen.</translation>
    </message>
    <message id="modifierKeys">
        <source>Modifier keys</source>
        <translation>Zusatztasten</translation>
    </message>
    <message id="recognitionTimedOut">
        <source>Recognition took too long; the clipboard was left as it was</source>
        <translation>Die Erkennung hat zu lange gedauert; die Zwischenablage wurde nicht verändert</translation>
    </message>
    <message id="clipboardChangedMeanwhile">
        <source>Not copied: the clipboard changed during the capture</source>
        <translation>Nicht kopiert: Die Zwischenablage hat sich während der Erfassung geändert</translation>
    </message>
    <message id="imageFolderIsLink">
        <source>Capture failed: %1 is a link, not a folder</source>
        <translation>Erfassung fehlgeschlagen: %1 ist ein Link, kein Ordner</translation>
    </message>
    <message id="imageFolderIsFile">
        <source>Capture failed: %1 is a file, not a folder</source>
        <translation>Erfassung fehlgeschlagen: %1 ist eine Datei, kein Ordner</translation>
    </message>
    <message id="imageFolderOfAnotherUser">
        <source>Capture failed: %1 belongs to another user</source>
        <translation>Erfassung fehlgeschlagen: %1 gehört einem anderen Benutzer</translation>
    </message>
    <message id="imageFolderReadOnly">
        <source>Capture failed: %1 is on a read-only file system</source>
        <translation>Erfassung fehlgeschlagen: %1 liegt auf einem schreibgeschützten Dateisystem</translation>
    </message>
    <message id="imageFolderOnSpecialFileSystem">
        <source>Capture failed: %1 is on a system file system that cannot hold files</source>
        <translation>Erfassung fehlgeschlagen: %1 liegt auf einem Systemdateisystem, das keine Dateien aufnehmen kann</translation>
    </message>
    <message id="imageFolderPermissionDenied">
        <source>Capture failed: no permission to write to %1</source>
        <translation>Erfassung fehlgeschlagen: keine Schreibberechtigung für %1</translation>
    </message>
    <message id="singleInstanceUnanswered">
        <source>Tessarin is already running but does not respond. End it in the system monitor, then start it again.</source>
        <translation>Tessarin läuft bereits, reagiert aber nicht. Beenden Sie es in der Systemüberwachung und starten Sie es dann erneut.</translation>
    </message>
    <message id="hotKeyIsScreenshotShortcut">
        <source>%1 is Tessarin’s screenshot shortcut. Kept %2.</source>
        <translation>%1 ist schon Tessarins Kurzbefehl für Bildschirmfotos. %2 bleibt bestehen.</translation>
    </message>
    <message id="codeCopied">
        <source>Copied %1: %2</source>
        <translation>%1 kopiert: %2</translation>
    </message>
    <message id="codesCopiedCount" numerus="yes">
        <source>Copied %n codes</source>
        <translation>
            <numerusform>%n Code kopiert</numerusform>
            <numerusform>%n Codes kopiert</numerusform>
        </translation>
    </message>
</context>
</TS>
