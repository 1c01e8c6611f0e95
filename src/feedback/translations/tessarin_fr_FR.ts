<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="ready">
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message id="waitingForSelection">
        <source>Waiting for selection...</source>
        <translation>En attente de la sélection...</translation>
    </message>
    <message id="captureCancelled">
        <source>Capture cancelled</source>
        <translation>Capture annulée</translation>
    </message>
    <message id="textCopied">
        <source>Text copied, ready to paste</source>
        <translation>Copié dans le presse-papiers</translation>
    </message>
    <message id="screenshotCopied">
        <source>Screenshot copied, ready for AI chat or terminal</source>
        <translation>Capture d’écran copiée</translation>
    </message>
    <message id="copiedCharacterCount" numerus="yes">
        <source>Copied %n characters</source>
        <translation>
            <numerusform>%n caractère copié</numerusform>
            <numerusform>%n caractères copiés</numerusform>
        </translation>
    </message>
    <message id="screenRecordingPermissionHint">
        <source>Capture again and allow screenshots when your desktop asks. No restart is needed.</source>
        <translation>Capturez à nouveau et autorisez les captures d’écran lorsque le bureau le demande. Aucun redémarrage n’est nécessaire.</translation>
    </message>
    <message id="screenRecordingPermissionTitle">
        <source>Screenshot Permission Required</source>
        <translation>Autorisation de capture d’écran requise</translation>
    </message>
    <message id="screenRecordingPermissionMessage">
        <source>Tessarin only captures the screen region you select after you press a shortcut or choose a menu item. It uses that region to copy a screenshot or recognize text locally, and it does not record in the background.

Your desktop did not hand Tessarin a picture of the screen. Choose Ask Again, then capture again and allow screenshots when the desktop asks. No restart is needed.</source>
        <translation>Tessarin ne capture que la zone de l’écran que vous sélectionnez après avoir appuyé sur un raccourci ou choisi un élément de menu. Cette zone sert à copier une capture d’écran ou à reconnaître le texte localement ; rien n’est enregistré en arrière-plan.

Le bureau n’a pas fourni d’image de l’écran à Tessarin. Choisissez « Redemander », capturez à nouveau et autorisez les captures d’écran lorsque le bureau le demande. Aucun redémarrage n’est nécessaire.</translation>
    </message>
    <message id="openSystemSettings">
        <source>Ask Again</source>
        <translation>Redemander</translation>
    </message>
    <message id="noTextDetected">
        <source>No text detected</source>
        <translation>Aucun texte détecté</translation>
    </message>
    <message id="helpTitle">
        <source>Tessarin Help</source>
        <translation>Aide Tessarin</translation>
    </message>
    <message id="helpSteps">
        <source>1. Press %1 to capture text, or %2 to capture a screenshot.
2. Drag over the part of the screen you want; Escape cancels.
3. Paste the result straight into an AI chat or a terminal.</source>
        <translation>1. Appuyez sur %1 pour capturer du texte, ou sur %2 pour une capture d’écran.
2. Faites glisser sur la zone voulue ; Échap annule.
3. Collez le résultat directement dans un chat d’IA ou un terminal.</translation>
    </message>
    <message id="ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="onboardingTitle">
        <source>Tessarin is running in the system tray</source>
        <translation>Tessarin est lancé dans la zone de notification</translation>
    </message>
    <message id="onboardingMessage">
        <source>Click this icon or press %1</source>
        <translation>Cliquez sur cette icône ou appuyez sur %1</translation>
    </message>
    <message id="recognizing">
        <source>Recognizing...</source>
        <translation>Reconnaissance en cours...</translation>
    </message>
    <message id="captureText">
        <source>Capture Text for AI</source>
        <translation>Capturer le texte</translation>
    </message>
    <message id="captureScreenshot">
        <source>Capture Screenshot for Terminal</source>
        <translation>Copier une capture d’écran</translation>
    </message>
    <message id="textShortcutStatus">
        <source>Text shortcut: %1</source>
        <translation>Raccourci texte : %1</translation>
    </message>
    <message id="imageShortcutStatus">
        <source>Image shortcut: %1</source>
        <translation>Raccourci image : %1</translation>
    </message>
    <message id="hotKeyRegistrationFailed">
        <source>Shortcut %1 could not be registered. Another app may be using it.</source>
        <translation>Le raccourci %1 n’a pas pu être enregistré. Une autre app l’utilise peut-être.</translation>
    </message>
    <message id="hotKeyConflictRestored">
        <source>%1 is likely used by another screenshot tool. Restored %2.</source>
        <translation>%1 est sans doute utilisé par un autre outil de capture d’écran. %2 a été rétabli.</translation>
    </message>
    <message id="languageMode">
        <source>Language Mode</source>
        <translation>Mode de langue</translation>
    </message>
    <message id="settings">
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message id="help">
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message id="quit">
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message id="settingsWindowTitle">
        <source>Tessarin Settings</source>
        <translation>Paramètres Tessarin</translation>
    </message>
    <message id="captureSection">
        <source>Capture &amp; Paste</source>
        <translation>Capture</translation>
    </message>
    <message id="textShortcutKey">
        <source>Text shortcut key</source>
        <translation>Touche du raccourci texte</translation>
    </message>
    <message id="textShortcut">
        <source>Text shortcut</source>
        <translation>Raccourci texte</translation>
    </message>
    <message id="imageShortcut">
        <source>Image shortcut</source>
        <translation>Raccourci image</translation>
    </message>
    <message id="textRecognitionSection">
        <source>Text Recognition</source>
        <translation>Reconnaissance</translation>
    </message>
    <message id="appSection">
        <source>App</source>
        <translation>App</translation>
    </message>
    <message id="lastStatus">
        <source>Last status</source>
        <translation>Dernier état</translation>
    </message>
    <message id="notNow">
        <source>Not Now</source>
        <translation>Plus tard</translation>
    </message>
    <message id="privacyTitle">
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
    <message id="privacyMessage">
        <source>Tessarin only processes the screen region you select. Recognized text is copied to the clipboard; screenshot copy stores a temporary local PNG so a terminal can paste a file path.</source>
        <translation>Tessarin ne traite que la zone de l’écran que vous sélectionnez. Le texte reconnu est copié dans le presse-papiers ; la copie d’une capture d’écran enregistre un PNG local temporaire pour qu’un terminal puisse coller un chemin de fichier.</translation>
    </message>
    <message id="languageModeAutomatic">
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message id="languageModePrioritizeLatin">
        <source>Prioritize Latin Languages</source>
        <translation>Priorité aux langues latines</translation>
    </message>
    <message id="languageModePrioritizeCJK">
        <source>Prioritize Chinese, Japanese, Korean</source>
        <translation>Priorité au chinois, japonais, coréen</translation>
    </message>
    <message id="captureFailed">
        <source>Capture failed</source>
        <translation>Échec de la capture</translation>
    </message>
    <message id="recognitionFailed">
        <source>Recognition failed. Try again.</source>
        <translation>Échec de la reconnaissance. Réessayez.</translation>
    </message>
    <message id="unexpectedError">
        <source>Something went wrong</source>
        <translation>Une erreur inconnue s’est produite</translation>
    </message>
    <message id="cannotWriteToFolder">
        <source>Capture failed: cannot write to %1</source>
        <translation>Échec de la capture : impossible d’écrire dans %1</translation>
    </message>
    <message id="diskFull">
        <source>Capture failed: the disk is full</source>
        <translation>Échec de la capture : le disque est plein</translation>
    </message>
    <message id="settingsCannotBeSaved">
        <source>Settings cannot be saved: cannot write to %1</source>
        <translation>Impossible d’enregistrer les réglages : impossible d’écrire dans %1</translation>
    </message>
    <message id="settingsFileKept">
        <source>The settings file could not be read. Tessarin uses the defaults and kept the old file as %1</source>
        <translation>Le fichier de réglages est illisible. Tessarin utilise les réglages par défaut et a conservé l’ancien fichier sous %1</translation>
    </message>
    <message id="singleInstanceUnguarded">
        <source>Tessarin cannot make sure it runs only once: %1 is not private</source>
        <translation>Tessarin ne peut pas garantir qu’il ne tourne qu’une fois : %1 n’est pas privé</translation>
    </message>
    <message id="hotKeyNeedsModifier">
        <source>A shortcut needs Ctrl, Super or Alt. Kept %1.</source>
        <translation>Un raccourci doit comporter Ctrl, Super ou Alt. %1 est conservé.</translation>
    </message>
    <message id="hotKeyRegistrationRecovered">
        <source>Shortcut %1 works now</source>
        <translation>Le raccourci %1 fonctionne maintenant</translation>
    </message>
    <message id="onboardingTitleWithoutTray">
        <source>Tessarin is running</source>
        <translation>Tessarin est lancé</translation>
    </message>
    <message id="onboardingMessageWithoutTray">
        <source>Press %1 to capture text. Start Tessarin again from the application menu to open its settings.</source>
        <translation>Appuyez sur %1 pour capturer du texte. Relancez Tessarin depuis le menu des applications pour ouvrir ses réglages.</translation>
    </message>
    <message id="onboardingMessageWithoutShortcut">
        <source>Click this icon to capture text or choose another shortcut</source>
        <translation>Cliquez sur cette icône pour capturer du texte ou choisir un autre raccourci</translation>
    </message>
    <message id="onboardingMessageWithoutTrayOrShortcut">
        <source>Start Tessarin again from the application menu to choose another shortcut.</source>
        <translation>Relancez Tessarin depuis le menu des applications pour choisir un autre raccourci.</translation>
    </message>
    <message id="modifierKeys">
        <source>Modifier keys</source>
        <translation>Touches de modification</translation>
    </message>
    <message id="recognitionTimedOut">
        <source>Recognition took too long; the clipboard was left as it was</source>
        <translation>La reconnaissance a pris trop de temps ; le presse-papiers n&apos;a pas été modifié</translation>
    </message>
    <message id="clipboardChangedMeanwhile">
        <source>Not copied: the clipboard changed during the capture</source>
        <translation>Non copié : le presse-papiers a changé pendant la capture</translation>
    </message>
    <message id="imageFolderIsLink">
        <source>Capture failed: %1 is a link, not a folder</source>
        <translation>Échec de la capture : %1 est un lien, pas un dossier</translation>
    </message>
    <message id="imageFolderIsFile">
        <source>Capture failed: %1 is a file, not a folder</source>
        <translation>Échec de la capture : %1 est un fichier, pas un dossier</translation>
    </message>
    <message id="imageFolderOfAnotherUser">
        <source>Capture failed: %1 belongs to another user</source>
        <translation>Échec de la capture : %1 appartient à un autre utilisateur</translation>
    </message>
    <message id="imageFolderReadOnly">
        <source>Capture failed: %1 is on a read-only file system</source>
        <translation>Échec de la capture : %1 se trouve sur un système de fichiers en lecture seule</translation>
    </message>
    <message id="imageFolderOnSpecialFileSystem">
        <source>Capture failed: %1 is on a system file system that cannot hold files</source>
        <translation>Échec de la capture : %1 se trouve sur un système de fichiers du système qui ne peut pas contenir de fichiers</translation>
    </message>
    <message id="imageFolderPermissionDenied">
        <source>Capture failed: no permission to write to %1</source>
        <translation>Échec de la capture : pas le droit d’écrire dans %1</translation>
    </message>
    <message id="singleInstanceUnanswered">
        <source>Tessarin is already running but does not respond. End it in the system monitor, then start it again.</source>
        <translation>Tessarin est déjà lancé mais ne répond pas. Arrêtez-le dans le moniteur système, puis relancez-le.</translation>
    </message>
    <message id="hotKeyIsScreenshotShortcut">
        <source>%1 is Tessarin’s screenshot shortcut. Kept %2.</source>
        <translation>%1 est déjà le raccourci de capture d’écran de Tessarin. %2 est conservé.</translation>
    </message>
    <message id="codeCopied">
        <source>Copied %1: %2</source>
        <translation>%1 copié : %2</translation>
    </message>
    <message id="codesCopiedCount" numerus="yes">
        <source>Copied %n codes</source>
        <translation>
            <numerusform>%n code copié</numerusform>
            <numerusform>%n codes copiés</numerusform>
        </translation>
    </message>
</context>
</TS>
