<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name></name>
    <message id="ready">
        <source>Ready</source>
        <translation>준비 완료</translation>
    </message>
    <message id="waitingForSelection">
        <source>Waiting for selection...</source>
        <translation>선택 영역을 기다리는 중...</translation>
    </message>
    <message id="captureCancelled">
        <source>Capture cancelled</source>
        <translation>캡처가 취소되었습니다</translation>
    </message>
    <message id="textCopied">
        <source>Text copied, ready to paste</source>
        <translation>클립보드에 복사됨</translation>
    </message>
    <message id="screenshotCopied">
        <source>Screenshot copied, ready for AI chat or terminal</source>
        <translation>스크린샷을 복사했습니다</translation>
    </message>
    <message id="copiedCharacterCount" numerus="yes">
        <source>Copied %n characters</source>
        <translation>
            <numerusform>%n자를 복사했습니다</numerusform>
        </translation>
    </message>
    <message id="screenRecordingPermissionHint">
        <source>Capture again and allow screenshots when your desktop asks. No restart is needed.</source>
        <translation>다시 캡처하고 데스크톱이 물으면 스크린샷을 허용하세요. 다시 시작할 필요는 없습니다.</translation>
    </message>
    <message id="screenRecordingPermissionTitle">
        <source>Screenshot Permission Required</source>
        <translation>스크린샷 권한이 필요합니다</translation>
    </message>
    <message id="screenRecordingPermissionMessage">
        <source>Tessarin only captures the screen region you select after you press a shortcut or choose a menu item. It uses that region to copy a screenshot or recognize text locally, and it does not record in the background.

Your desktop did not hand Tessarin a picture of the screen. Choose Ask Again, then capture again and allow screenshots when the desktop asks. No restart is needed.</source>
        <translation>Tessarin은 단축키를 누르거나 메뉴 항목을 선택한 후 사용자가 선택한 화면 영역만 캡처합니다. 그 영역은 스크린샷 복사나 로컬 텍스트 인식에만 사용되며, 백그라운드에서 녹화하지 않습니다.

데스크톱이 Tessarin에 화면 이미지를 주지 않았습니다. &apos;다시 묻기&apos;를 선택한 다음 다시 캡처하고, 데스크톱이 물으면 스크린샷을 허용하세요. 다시 시작할 필요는 없습니다.</translation>
    </message>
    <message id="openSystemSettings">
        <source>Ask Again</source>
        <translation>다시 묻기</translation>
    </message>
    <message id="noTextDetected">
        <source>No text detected</source>
        <translation>텍스트를 찾지 못했습니다</translation>
    </message>
    <message id="helpTitle">
        <source>Tessarin Help</source>
        <translation>Tessarin 도움말</translation>
    </message>
    <message id="helpSteps">
        <source>1. Press %1 to capture text, or %2 to capture a screenshot.
2. Drag over the part of the screen you want; Escape cancels.
3. Paste the result straight into an AI chat or a terminal.</source>
        <translation>1. %1로 텍스트를, %2로 스크린샷을 캡처합니다.
2. 원하는 화면 영역을 드래그합니다. Esc로 취소합니다.
3. 결과를 AI 채팅이나 터미널에 바로 붙여 넣습니다.</translation>
    </message>
    <message id="ok">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="onboardingTitle">
        <source>Tessarin is running in the system tray</source>
        <translation>Tessarin이 시스템 트레이에서 실행 중입니다</translation>
    </message>
    <message id="onboardingMessage">
        <source>Click this icon or press %1</source>
        <translation>이 아이콘을 클릭하거나 %1를 누르세요</translation>
    </message>
    <message id="recognizing">
        <source>Recognizing...</source>
        <translation>인식 중...</translation>
    </message>
    <message id="captureText">
        <source>Capture Text for AI</source>
        <translation>텍스트 캡처</translation>
    </message>
    <message id="captureScreenshot">
        <source>Capture Screenshot for Terminal</source>
        <translation>스크린샷 캡처</translation>
    </message>
    <message id="textShortcutStatus">
        <source>Text shortcut: %1</source>
        <translation>텍스트 단축키: %1</translation>
    </message>
    <message id="imageShortcutStatus">
        <source>Image shortcut: %1</source>
        <translation>이미지 단축키: %1</translation>
    </message>
    <message id="hotKeyRegistrationFailed">
        <source>Shortcut %1 could not be registered. Another app may be using it.</source>
        <translation>단축키 %1을(를) 등록할 수 없습니다. 다른 앱이 사용 중일 수 있습니다.</translation>
    </message>
    <message id="hotKeyConflictRestored">
        <source>%1 is likely used by another screenshot tool. Restored %2.</source>
        <translation>%1은(는) 다른 스크린샷 도구가 사용 중일 수 있습니다. %2(으)로 복원했습니다.</translation>
    </message>
    <message id="languageMode">
        <source>Language Mode</source>
        <translation>언어 모드</translation>
    </message>
    <message id="settings">
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message id="help">
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message id="quit">
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message id="settingsWindowTitle">
        <source>Tessarin Settings</source>
        <translation>Tessarin 설정</translation>
    </message>
    <message id="captureSection">
        <source>Capture &amp; Paste</source>
        <translation>캡처</translation>
    </message>
    <message id="textShortcutKey">
        <source>Text shortcut key</source>
        <translation>텍스트 단축키</translation>
    </message>
    <message id="textShortcut">
        <source>Text shortcut</source>
        <translation>텍스트 단축키</translation>
    </message>
    <message id="imageShortcut">
        <source>Image shortcut</source>
        <translation>이미지 단축키</translation>
    </message>
    <message id="textRecognitionSection">
        <source>Text Recognition</source>
        <translation>인식</translation>
    </message>
    <message id="appSection">
        <source>App</source>
        <translation>앱</translation>
    </message>
    <message id="lastStatus">
        <source>Last status</source>
        <translation>최근 상태</translation>
    </message>
    <message id="notNow">
        <source>Not Now</source>
        <translation>나중에</translation>
    </message>
    <message id="privacyTitle">
        <source>Privacy</source>
        <translation>개인정보</translation>
    </message>
    <message id="privacyMessage">
        <source>Tessarin only processes the screen region you select. Recognized text is copied to the clipboard; screenshot copy stores a temporary local PNG so a terminal can paste a file path.</source>
        <translation>Tessarin은 선택한 화면 영역만 처리합니다. 인식한 텍스트는 클립보드에 복사되며, 스크린샷 복사는 터미널에서 파일 경로를 붙여 넣을 수 있도록 임시 PNG를 로컬에 저장합니다.</translation>
    </message>
    <message id="languageModeAutomatic">
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message id="languageModePrioritizeLatin">
        <source>Prioritize Latin Languages</source>
        <translation>라틴계 언어 우선</translation>
    </message>
    <message id="languageModePrioritizeCJK">
        <source>Prioritize Chinese, Japanese, Korean</source>
        <translation>중국어·일본어·한국어 우선</translation>
    </message>
    <message id="captureFailed">
        <source>Capture failed</source>
        <translation>캡처에 실패했습니다</translation>
    </message>
    <message id="recognitionFailed">
        <source>Recognition failed. Try again.</source>
        <translation>인식에 실패했습니다. 다시 시도하세요.</translation>
    </message>
    <message id="unexpectedError">
        <source>Something went wrong</source>
        <translation>알 수 없는 오류가 발생했습니다</translation>
    </message>
    <message id="cannotWriteToFolder">
        <source>Capture failed: cannot write to %1</source>
        <translation>캡처에 실패했습니다: %1에 쓸 수 없습니다</translation>
    </message>
    <message id="diskFull">
        <source>Capture failed: the disk is full</source>
        <translation>캡처에 실패했습니다: 디스크가 가득 찼습니다</translation>
    </message>
    <message id="settingsCannotBeSaved">
        <source>Settings cannot be saved: cannot write to %1</source>
        <translation>설정을 저장할 수 없습니다: %1에 쓸 수 없습니다</translation>
    </message>
    <message id="settingsFileKept">
        <source>The settings file could not be read. Tessarin uses the defaults and kept the old file as %1</source>
        <translation>설정 파일을 읽을 수 없어 기본 설정을 사용합니다. 원래 파일은 %1(으)로 보관했습니다</translation>
    </message>
    <message id="singleInstanceUnguarded">
        <source>Tessarin cannot make sure it runs only once: %1 is not private</source>
        <translation>Tessarin이 하나만 실행되도록 보장할 수 없습니다: %1 폴더가 비공개가 아닙니다</translation>
    </message>
    <message id="hotKeyNeedsModifier">
        <source>A shortcut needs Ctrl, Super or Alt. Kept %1.</source>
        <translation>단축키에는 Ctrl, Super 또는 Alt가 필요합니다. %1를 유지했습니다</translation>
    </message>
    <message id="hotKeyRegistrationRecovered">
        <source>Shortcut %1 works now</source>
        <translation>단축키 %1를 이제 사용할 수 있습니다</translation>
    </message>
    <message id="onboardingTitleWithoutTray">
        <source>Tessarin is running</source>
        <translation>Tessarin이 실행 중입니다</translation>
    </message>
    <message id="onboardingMessageWithoutTray">
        <source>Press %1 to capture text. Start Tessarin again from the application menu to open its settings.</source>
        <translation>%1로 텍스트를 캡처합니다. 설정을 열려면 애플리케이션 메뉴에서 Tessarin을 다시 실행하세요.</translation>
    </message>
    <message id="onboardingMessageWithoutShortcut">
        <source>Click this icon to capture text or choose another shortcut</source>
        <translation>이 아이콘을 클릭해 텍스트를 캡처하거나 다른 단축키를 선택하세요</translation>
    </message>
    <message id="onboardingMessageWithoutTrayOrShortcut">
        <source>Start Tessarin again from the application menu to choose another shortcut.</source>
        <translation>다른 단축키를 선택하려면 애플리케이션 메뉴에서 Tessarin을 다시 실행하세요.</translation>
    </message>
    <message id="modifierKeys">
        <source>Modifier keys</source>
        <translation>보조 키</translation>
    </message>
    <message id="recognitionTimedOut">
        <source>Recognition took too long; the clipboard was left as it was</source>
        <translation>인식 시간이 너무 오래 걸려 클립보드를 변경하지 않았습니다</translation>
    </message>
    <message id="clipboardChangedMeanwhile">
        <source>Not copied: the clipboard changed during the capture</source>
        <translation>복사하지 않음: 캡처하는 동안 클립보드가 변경되었습니다</translation>
    </message>
    <message id="imageFolderIsLink">
        <source>Capture failed: %1 is a link, not a folder</source>
        <translation>캡처에 실패했습니다: %1은(는) 폴더가 아니라 링크입니다</translation>
    </message>
    <message id="imageFolderIsFile">
        <source>Capture failed: %1 is a file, not a folder</source>
        <translation>캡처에 실패했습니다: %1은(는) 폴더가 아니라 파일입니다</translation>
    </message>
    <message id="imageFolderOfAnotherUser">
        <source>Capture failed: %1 belongs to another user</source>
        <translation>캡처에 실패했습니다: %1은(는) 다른 사용자의 것입니다</translation>
    </message>
    <message id="imageFolderReadOnly">
        <source>Capture failed: %1 is on a read-only file system</source>
        <translation>캡처에 실패했습니다: %1은(는) 읽기 전용 파일 시스템에 있습니다</translation>
    </message>
    <message id="imageFolderOnSpecialFileSystem">
        <source>Capture failed: %1 is on a system file system that cannot hold files</source>
        <translation>캡처에 실패했습니다: %1은(는) 파일을 저장할 수 없는 시스템 파일 시스템에 있습니다</translation>
    </message>
    <message id="imageFolderPermissionDenied">
        <source>Capture failed: no permission to write to %1</source>
        <translation>캡처에 실패했습니다: %1에 쓸 권한이 없습니다</translation>
    </message>
    <message id="singleInstanceUnanswered">
        <source>Tessarin is already running but does not respond. End it in the system monitor, then start it again.</source>
        <translation>Tessarin이 이미 실행 중이지만 응답하지 않습니다. 시스템 모니터에서 종료한 다음 다시 시작하세요.</translation>
    </message>
    <message id="hotKeyIsScreenshotShortcut">
        <source>%1 is Tessarin’s screenshot shortcut. Kept %2.</source>
        <translation>%1은(는) Tessarin의 스크린샷 단축키입니다. %2를 유지했습니다</translation>
    </message>
    <message id="codeCopied">
        <source>Copied %1: %2</source>
        <translation>%1 복사됨: %2</translation>
    </message>
    <message id="codesCopiedCount" numerus="yes">
        <source>Copied %n codes</source>
        <translation>
            <numerusform>코드 %n개를 복사했습니다</numerusform>
        </translation>
    </message>
</context>
</TS>
