<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name></name>
    <message id="ready">
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message id="waitingForSelection">
        <source>Waiting for selection...</source>
        <translation>Aguardando seleção...</translation>
    </message>
    <message id="captureCancelled">
        <source>Capture cancelled</source>
        <translation>Captura cancelada</translation>
    </message>
    <message id="textCopied">
        <source>Text copied, ready to paste</source>
        <translation>Copiado para a área de transferência</translation>
    </message>
    <message id="screenshotCopied">
        <source>Screenshot copied, ready for AI chat or terminal</source>
        <translation>Captura de tela copiada</translation>
    </message>
    <message id="copiedCharacterCount" numerus="yes">
        <source>Copied %n characters</source>
        <translation>
            <numerusform>%n caractere copiado</numerusform>
            <numerusform>%n caracteres copiados</numerusform>
        </translation>
    </message>
    <message id="screenRecordingPermissionHint">
        <source>Capture again and allow screenshots when your desktop asks. No restart is needed.</source>
        <translation>Capture novamente e permita capturas de tela quando o ambiente de trabalho perguntar. Não é preciso reiniciar.</translation>
    </message>
    <message id="screenRecordingPermissionTitle">
        <source>Screenshot Permission Required</source>
        <translation>Permissão de captura de tela necessária</translation>
    </message>
    <message id="screenRecordingPermissionMessage">
        <source>Tessarin only captures the screen region you select after you press a shortcut or choose a menu item. It uses that region to copy a screenshot or recognize text locally, and it does not record in the background.

Your desktop did not hand Tessarin a picture of the screen. Choose Ask Again, then capture again and allow screenshots when the desktop asks. No restart is needed.</source>
        <translation>O Tessarin só captura a região da tela que você seleciona depois de pressionar um atalho ou escolher um item do menu. Ele usa essa região para copiar uma captura de tela ou reconhecer o texto localmente e não grava nada em segundo plano.

O ambiente de trabalho não entregou ao Tessarin uma imagem da tela. Escolha “Perguntar novamente”, capture de novo e permita capturas de tela quando o ambiente de trabalho perguntar. Não é preciso reiniciar.</translation>
    </message>
    <message id="openSystemSettings">
        <source>Ask Again</source>
        <translation>Perguntar novamente</translation>
    </message>
    <message id="noTextDetected">
        <source>No text detected</source>
        <translation>Nenhum texto detectado</translation>
    </message>
    <message id="helpTitle">
        <source>Tessarin Help</source>
        <translation>Ajuda do Tessarin</translation>
    </message>
    <message id="helpSteps">
        <source>1. Press %1 to capture text, or %2 to capture a screenshot.
2. Drag over the part of the screen you want; Escape cancels.
3. Paste the result straight into an AI chat or a terminal.</source>
        <translation>1. Pressione %1 para capturar texto ou %2 para uma captura de tela.
2. Arraste sobre a área desejada; Esc cancela.
3. Cole o resultado direto em um chat de IA ou em um terminal.</translation>
    </message>
    <message id="ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="onboardingTitle">
        <source>Tessarin is running in the system tray</source>
        <translation>O Tessarin está em execução na bandeja do sistema</translation>
    </message>
    <message id="onboardingMessage">
        <source>Click this icon or press %1</source>
        <translation>Clique neste ícone ou pressione %1</translation>
    </message>
    <message id="recognizing">
        <source>Recognizing...</source>
        <translation>Reconhecendo...</translation>
    </message>
    <message id="captureText">
        <source>Capture Text for AI</source>
        <translation>Capturar texto</translation>
    </message>
    <message id="captureScreenshot">
        <source>Capture Screenshot for Terminal</source>
        <translation>Capturar tela</translation>
    </message>
    <message id="textShortcutStatus">
        <source>Text shortcut: %1</source>
        <translation>Atalho de texto: %1</translation>
    </message>
    <message id="imageShortcutStatus">
        <source>Image shortcut: %1</source>
        <translation>Atalho de imagem: %1</translation>
    </message>
    <message id="hotKeyRegistrationFailed">
        <source>Shortcut %1 could not be registered. Another app may be using it.</source>
        <translation>Não foi possível registrar o atalho %1. Outro app pode estar usando-o.</translation>
    </message>
    <message id="hotKeyConflictRestored">
        <source>%1 is likely used by another screenshot tool. Restored %2.</source>
        <translation>%1 provavelmente é usado por outra ferramenta de captura. %2 foi restaurado.</translation>
    </message>
    <message id="languageMode">
        <source>Language Mode</source>
        <translation>Modo de idioma</translation>
    </message>
    <message id="settings">
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message id="help">
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message id="quit">
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message id="settingsWindowTitle">
        <source>Tessarin Settings</source>
        <translation>Configurações do Tessarin</translation>
    </message>
    <message id="captureSection">
        <source>Capture &amp; Paste</source>
        <translation>Captura</translation>
    </message>
    <message id="textShortcutKey">
        <source>Text shortcut key</source>
        <translation>Tecla do atalho de texto</translation>
    </message>
    <message id="textShortcut">
        <source>Text shortcut</source>
        <translation>Atalho de texto</translation>
    </message>
    <message id="imageShortcut">
        <source>Image shortcut</source>
        <translation>Atalho de imagem</translation>
    </message>
    <message id="textRecognitionSection">
        <source>Text Recognition</source>
        <translation>Reconhecimento</translation>
    </message>
    <message id="appSection">
        <source>App</source>
        <translation>App</translation>
    </message>
    <message id="lastStatus">
        <source>Last status</source>
        <translation>Último status</translation>
    </message>
    <message id="notNow">
        <source>Not Now</source>
        <translation>Agora não</translation>
    </message>
    <message id="privacyTitle">
        <source>Privacy</source>
        <translation>Privacidade</translation>
    </message>
    <message id="privacyMessage">
        <source>Tessarin only processes the screen region you select. Recognized text is copied to the clipboard; screenshot copy stores a temporary local PNG so a terminal can paste a file path.</source>
        <translation>O Tessarin só processa a região da tela que você seleciona. O texto reconhecido é copiado para a área de transferência; a cópia de captura de tela guarda um PNG local temporário para que um terminal possa colar o caminho do arquivo.</translation>
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
        <translation>Priorizar chinês, japonês e coreano</translation>
    </message>
    <message id="captureFailed">
        <source>Capture failed</source>
        <translation>Falha na captura</translation>
    </message>
    <message id="recognitionFailed">
        <source>Recognition failed. Try again.</source>
        <translation>Falha no reconhecimento. Tente novamente.</translation>
    </message>
    <message id="unexpectedError">
        <source>Something went wrong</source>
        <translation>Ocorreu um erro desconhecido</translation>
    </message>
    <message id="cannotWriteToFolder">
        <source>Capture failed: cannot write to %1</source>
        <translation>Falha na captura: não é possível gravar em %1</translation>
    </message>
    <message id="diskFull">
        <source>Capture failed: the disk is full</source>
        <translation>Falha na captura: o disco está cheio</translation>
    </message>
    <message id="settingsCannotBeSaved">
        <source>Settings cannot be saved: cannot write to %1</source>
        <translation>Não é possível salvar as configurações: não é possível gravar em %1</translation>
    </message>
    <message id="settingsFileKept">
        <source>The settings file could not be read. Tessarin uses the defaults and kept the old file as %1</source>
        <translation>Não foi possível ler o arquivo de configurações. O Tessarin usa os padrões e guardou o arquivo antigo como %1</translation>
    </message>
    <message id="singleInstanceUnguarded">
        <source>Tessarin cannot make sure it runs only once: %1 is not private</source>
        <translation>O Tessarin não pode garantir que seja executado só uma vez: %1 não é privada</translation>
    </message>
    <message id="hotKeyNeedsModifier">
        <source>A shortcut needs Ctrl, Super or Alt. Kept %1.</source>
        <translation>Um atalho precisa de Ctrl, Super ou Alt. %1 foi mantido.</translation>
    </message>
    <message id="hotKeyRegistrationRecovered">
        <source>Shortcut %1 works now</source>
        <translation>O atalho %1 já funciona</translation>
    </message>
    <message id="onboardingTitleWithoutTray">
        <source>Tessarin is running</source>
        <translation>O Tessarin está em execução</translation>
    </message>
    <message id="onboardingMessageWithoutTray">
        <source>Press %1 to capture text. Start Tessarin again from the application menu to open its settings.</source>
        <translation>Pressione %1 para capturar texto. Abra o Tessarin de novo pelo menu de aplicativos para ver as configurações.</translation>
    </message>
    <message id="onboardingMessageWithoutShortcut">
        <source>Click this icon to capture text or choose another shortcut</source>
        <translation>Clique neste ícone para capturar texto ou escolher outro atalho</translation>
    </message>
    <message id="onboardingMessageWithoutTrayOrShortcut">
        <source>Start Tessarin again from the application menu to choose another shortcut.</source>
        <translation>Abra o Tessarin de novo pelo menu de aplicativos para escolher outro atalho.</translation>
    </message>
    <message id="modifierKeys">
        <source>Modifier keys</source>
        <translation>Teclas modificadoras</translation>
    </message>
    <message id="recognitionTimedOut">
        <source>Recognition took too long; the clipboard was left as it was</source>
        <translation>O reconhecimento demorou demais; a área de transferência não foi alterada</translation>
    </message>
    <message id="clipboardChangedMeanwhile">
        <source>Not copied: the clipboard changed during the capture</source>
        <translation>Não copiado: a área de transferência mudou durante a captura</translation>
    </message>
    <message id="imageFolderIsLink">
        <source>Capture failed: %1 is a link, not a folder</source>
        <translation>Falha na captura: %1 é um link, não uma pasta</translation>
    </message>
    <message id="imageFolderIsFile">
        <source>Capture failed: %1 is a file, not a folder</source>
        <translation>Falha na captura: %1 é um arquivo, não uma pasta</translation>
    </message>
    <message id="imageFolderOfAnotherUser">
        <source>Capture failed: %1 belongs to another user</source>
        <translation>Falha na captura: %1 pertence a outro usuário</translation>
    </message>
    <message id="imageFolderReadOnly">
        <source>Capture failed: %1 is on a read-only file system</source>
        <translation>Falha na captura: %1 está em um sistema de arquivos somente leitura</translation>
    </message>
    <message id="imageFolderOnSpecialFileSystem">
        <source>Capture failed: %1 is on a system file system that cannot hold files</source>
        <translation>Falha na captura: %1 está em um sistema de arquivos do sistema que não pode guardar arquivos</translation>
    </message>
    <message id="imageFolderPermissionDenied">
        <source>Capture failed: no permission to write to %1</source>
        <translation>Falha na captura: sem permissão para gravar em %1</translation>
    </message>
    <message id="singleInstanceUnanswered">
        <source>Tessarin is already running but does not respond. End it in the system monitor, then start it again.</source>
        <translation>O Tessarin já está em execução, mas não responde. Encerre-o no monitor do sistema e abra-o novamente.</translation>
    </message>
    <message id="hotKeyIsScreenshotShortcut">
        <source>%1 is Tessarin’s screenshot shortcut. Kept %2.</source>
        <translation>%1 já é o atalho de captura de tela do Tessarin. %2 foi mantido.</translation>
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
