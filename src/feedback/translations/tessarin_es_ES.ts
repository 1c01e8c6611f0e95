<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="ready">
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message id="waitingForSelection">
        <source>Waiting for selection...</source>
        <translation>Esperando selección...</translation>
    </message>
    <message id="captureCancelled">
        <source>Capture cancelled</source>
        <translation>Captura cancelada</translation>
    </message>
    <message id="textCopied">
        <source>Text copied, ready to paste</source>
        <translation>Copiado al portapapeles</translation>
    </message>
    <message id="screenshotCopied">
        <source>Screenshot copied, ready for AI chat or terminal</source>
        <translation>Captura de pantalla copiada</translation>
    </message>
    <message id="copiedCharacterCount" numerus="yes">
        <source>Copied %n characters</source>
        <translation>
            <numerusform>Se copió %n carácter</numerusform>
            <numerusform>Se copiaron %n caracteres</numerusform>
        </translation>
    </message>
    <message id="screenRecordingPermissionHint">
        <source>Capture again and allow screenshots when your desktop asks. No restart is needed.</source>
        <translation>Vuelve a capturar y permite las capturas de pantalla cuando el escritorio lo pregunte. No hace falta reiniciar.</translation>
    </message>
    <message id="screenRecordingPermissionTitle">
        <source>Screenshot Permission Required</source>
        <translation>Se requiere permiso para capturas de pantalla</translation>
    </message>
    <message id="screenRecordingPermissionMessage">
        <source>Tessarin only captures the screen region you select after you press a shortcut or choose a menu item. It uses that region to copy a screenshot or recognize text locally, and it does not record in the background.

Your desktop did not hand Tessarin a picture of the screen. Choose Ask Again, then capture again and allow screenshots when the desktop asks. No restart is needed.</source>
        <translation>Tessarin solo captura la región de la pantalla que seleccionas después de pulsar un atajo o elegir un elemento del menú. Usa esa región para copiar una captura o reconocer el texto localmente, y no graba nada en segundo plano.

El escritorio no le dio a Tessarin una imagen de la pantalla. Elige «Volver a preguntar», vuelve a capturar y permite las capturas de pantalla cuando el escritorio lo pregunte. No hace falta reiniciar.</translation>
    </message>
    <message id="openSystemSettings">
        <source>Ask Again</source>
        <translation>Volver a preguntar</translation>
    </message>
    <message id="noTextDetected">
        <source>No text detected</source>
        <translation>No se detectó texto</translation>
    </message>
    <message id="helpTitle">
        <source>Tessarin Help</source>
        <translation>Ayuda de Tessarin</translation>
    </message>
    <message id="helpSteps">
        <source>1. Press %1 to capture text, or %2 to capture a screenshot.
2. Drag over the part of the screen you want; Escape cancels.
3. Paste the result straight into an AI chat or a terminal.</source>
        <translation>1. Pulsa %1 para capturar texto o %2 para una captura de pantalla.
2. Arrastra sobre la zona que quieras; Esc cancela.
3. Pega el resultado directamente en un chat de IA o en una terminal.</translation>
    </message>
    <message id="ok">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="onboardingTitle">
        <source>Tessarin is running in the system tray</source>
        <translation>Tessarin se está ejecutando en la bandeja del sistema</translation>
    </message>
    <message id="onboardingMessage">
        <source>Click this icon or press %1</source>
        <translation>Haz clic en este icono o pulsa %1</translation>
    </message>
    <message id="recognizing">
        <source>Recognizing...</source>
        <translation>Reconociendo...</translation>
    </message>
    <message id="captureText">
        <source>Capture Text for AI</source>
        <translation>Capturar texto</translation>
    </message>
    <message id="captureScreenshot">
        <source>Capture Screenshot for Terminal</source>
        <translation>Capturar pantalla</translation>
    </message>
    <message id="textShortcutStatus">
        <source>Text shortcut: %1</source>
        <translation>Atajo de texto: %1</translation>
    </message>
    <message id="imageShortcutStatus">
        <source>Image shortcut: %1</source>
        <translation>Atajo de imagen: %1</translation>
    </message>
    <message id="hotKeyRegistrationFailed">
        <source>Shortcut %1 could not be registered. Another app may be using it.</source>
        <translation>No se pudo registrar el atajo %1. Puede que otra app lo esté usando.</translation>
    </message>
    <message id="hotKeyConflictRestored">
        <source>%1 is likely used by another screenshot tool. Restored %2.</source>
        <translation>Es probable que otra herramienta de capturas use %1. Se restauró %2.</translation>
    </message>
    <message id="languageMode">
        <source>Language Mode</source>
        <translation>Modo de idioma</translation>
    </message>
    <message id="settings">
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message id="help">
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message id="quit">
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message id="settingsWindowTitle">
        <source>Tessarin Settings</source>
        <translation>Configuración de Tessarin</translation>
    </message>
    <message id="captureSection">
        <source>Capture &amp; Paste</source>
        <translation>Captura</translation>
    </message>
    <message id="textShortcutKey">
        <source>Text shortcut key</source>
        <translation>Tecla del atajo de texto</translation>
    </message>
    <message id="textShortcut">
        <source>Text shortcut</source>
        <translation>Atajo de texto</translation>
    </message>
    <message id="imageShortcut">
        <source>Image shortcut</source>
        <translation>Atajo de imagen</translation>
    </message>
    <message id="textRecognitionSection">
        <source>Text Recognition</source>
        <translation>Reconocimiento</translation>
    </message>
    <message id="appSection">
        <source>App</source>
        <translation>App</translation>
    </message>
    <message id="lastStatus">
        <source>Last status</source>
        <translation>Último estado</translation>
    </message>
    <message id="notNow">
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message id="privacyTitle">
        <source>Privacy</source>
        <translation>Privacidad</translation>
    </message>
    <message id="privacyMessage">
        <source>Tessarin only processes the screen region you select. Recognized text is copied to the clipboard; screenshot copy stores a temporary local PNG so a terminal can paste a file path.</source>
        <translation>Tessarin solo procesa la región de la pantalla que seleccionas. El texto reconocido se copia al portapapeles; al copiar una captura se guarda un PNG local temporal para que una terminal pueda pegar la ruta del archivo.</translation>
    </message>
    <message id="languageModeAutomatic">
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message id="languageModePrioritizeLatin">
        <source>Prioritize Latin Languages</source>
        <translation>Priorizar idiomas latinos</translation>
    </message>
    <message id="languageModePrioritizeCJK">
        <source>Prioritize Chinese, Japanese, Korean</source>
        <translation>Priorizar chino, japonés y coreano</translation>
    </message>
    <message id="captureFailed">
        <source>Capture failed</source>
        <translation>Falló la captura</translation>
    </message>
    <message id="recognitionFailed">
        <source>Recognition failed. Try again.</source>
        <translation>La detección falló. Inténtalo de nuevo.</translation>
    </message>
    <message id="unexpectedError">
        <source>Something went wrong</source>
        <translation>Ocurrió un error desconocido</translation>
    </message>
    <message id="cannotWriteToFolder">
        <source>Capture failed: cannot write to %1</source>
        <translation>Falló la captura: no se puede escribir en %1</translation>
    </message>
    <message id="diskFull">
        <source>Capture failed: the disk is full</source>
        <translation>Falló la captura: el disco está lleno</translation>
    </message>
    <message id="settingsCannotBeSaved">
        <source>Settings cannot be saved: cannot write to %1</source>
        <translation>No se puede guardar la configuración: no se puede escribir en %1</translation>
    </message>
    <message id="settingsFileKept">
        <source>The settings file could not be read. Tessarin uses the defaults and kept the old file as %1</source>
        <translation>No se pudo leer el archivo de configuración. Tessarin usa los valores predeterminados y guardó el archivo anterior como %1</translation>
    </message>
    <message id="singleInstanceUnguarded">
        <source>Tessarin cannot make sure it runs only once: %1 is not private</source>
        <translation>Tessarin no puede garantizar que se ejecute una sola vez: %1 no es privada</translation>
    </message>
    <message id="hotKeyNeedsModifier">
        <source>A shortcut needs Ctrl, Super or Alt. Kept %1.</source>
        <translation>Un atajo necesita Ctrl, Super o Alt. Se mantiene %1.</translation>
    </message>
    <message id="hotKeyRegistrationRecovered">
        <source>Shortcut %1 works now</source>
        <translation>El atajo %1 ya funciona</translation>
    </message>
    <message id="onboardingTitleWithoutTray">
        <source>Tessarin is running</source>
        <translation>Tessarin se está ejecutando</translation>
    </message>
    <message id="onboardingMessageWithoutTray">
        <source>Press %1 to capture text. Start Tessarin again from the application menu to open its settings.</source>
        <translation>Pulsa %1 para capturar texto. Vuelve a abrir Tessarin desde el menú de aplicaciones para ver su configuración.</translation>
    </message>
    <message id="onboardingMessageWithoutShortcut">
        <source>Click this icon to capture text or choose another shortcut</source>
        <translation>Haz clic en este icono para capturar texto o elegir otro atajo</translation>
    </message>
    <message id="onboardingMessageWithoutTrayOrShortcut">
        <source>Start Tessarin again from the application menu to choose another shortcut.</source>
        <translation>Vuelve a abrir Tessarin desde el menú de aplicaciones para elegir otro atajo.</translation>
    </message>
    <message id="modifierKeys">
        <source>Modifier keys</source>
        <translation>Teclas modificadoras</translation>
    </message>
    <message id="recognitionTimedOut">
        <source>Recognition took too long; the clipboard was left as it was</source>
        <translation>El reconocimiento tardó demasiado; el portapapeles no se ha modificado</translation>
    </message>
    <message id="clipboardChangedMeanwhile">
        <source>Not copied: the clipboard changed during the capture</source>
        <translation>No se copió: el portapapeles cambió durante la captura</translation>
    </message>
    <message id="imageFolderIsLink">
        <source>Capture failed: %1 is a link, not a folder</source>
        <translation>Falló la captura: %1 es un enlace, no una carpeta</translation>
    </message>
    <message id="imageFolderIsFile">
        <source>Capture failed: %1 is a file, not a folder</source>
        <translation>Falló la captura: %1 es un archivo, no una carpeta</translation>
    </message>
    <message id="imageFolderOfAnotherUser">
        <source>Capture failed: %1 belongs to another user</source>
        <translation>Falló la captura: %1 pertenece a otro usuario</translation>
    </message>
    <message id="imageFolderReadOnly">
        <source>Capture failed: %1 is on a read-only file system</source>
        <translation>Falló la captura: %1 está en un sistema de archivos de solo lectura</translation>
    </message>
    <message id="imageFolderOnSpecialFileSystem">
        <source>Capture failed: %1 is on a system file system that cannot hold files</source>
        <translation>Falló la captura: %1 está en un sistema de archivos del sistema que no puede guardar archivos</translation>
    </message>
    <message id="imageFolderPermissionDenied">
        <source>Capture failed: no permission to write to %1</source>
        <translation>Falló la captura: no tienes permiso para escribir en %1</translation>
    </message>
    <message id="singleInstanceUnanswered">
        <source>Tessarin is already running but does not respond. End it in the system monitor, then start it again.</source>
        <translation>Tessarin ya se está ejecutando, pero no responde. Ciérralo en el monitor del sistema y vuelve a abrirlo.</translation>
    </message>
    <message id="hotKeyIsScreenshotShortcut">
        <source>%1 is Tessarin’s screenshot shortcut. Kept %2.</source>
        <translation>%1 ya es el atajo de captura de pantalla de Tessarin. Se mantiene %2.</translation>
    </message>
    <message id="codeCopied">
        <source>Copied %1: %2</source>
        <translation>%1 copiado: %2</translation>
    </message>
    <message id="codesCopiedCount" numerus="yes">
        <source>Copied %n codes</source>
        <translation>
            <numerusform>%n código copiado</numerusform>
            <numerusform>%n códigos copiados</numerusform>
        </translation>
    </message>
</context>
</TS>
