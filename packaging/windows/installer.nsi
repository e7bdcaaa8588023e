; The Windows installer: per user without administrator rights, or for all users when run as
; administrator; /CurrentUser or /AllUsers on the command line chooses, /S installs silently,
; /D=<folder> (last) sets the folder of a first install. A later version installs over the
; earlier one of the same mode, in its folder.
; makensis -DVERSION=x.y.z -DEXE=<french-test.exe> -DLICENSE_FILE=<LICENSE.txt> -DICON=<.ico>
;          -DPUBLISHER=<name or empty> [-DSIGN_COMMAND=<signer>] -DOUTFILE=<setup.exe> installer.nsi
; Exit codes: 0 done, 1 cancelled, 2 failed or refused (a newer version installed, the program
; running, the folder not writable, another installer running, the MSI installed for all users).
Unicode true
; The file name says "setup", as users look for; NSIS loads its DLLs safely all the same.
!pragma warning disable 9000
!if "${PUBLISHER}" == ""
  ; Nobody holds the copyright yet, so the version resource names none.
  !pragma warning disable 9100
!endif
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
!ifdef SIGN_COMMAND
  !finalize '"${SIGN_COMMAND}" "%1"' = 0
  !uninstfinalize '"${SIGN_COMMAND}" "%1"' = 0
!endif

!define APP_NAME "French Test"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\FrenchTest"
; What each mode's install records in its own hive: folder, version and shortcut.
!define APP_KEY "Software\French Test"

Name "${APP_NAME}"
OutFile "${OUTFILE}"
BrandingText "${APP_NAME} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP_NAME}"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${APP_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallDir"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${APP_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallDir"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include LogicLib.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; Started through Explorer, the program runs as the signed-in user even after an elevated install.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunAsUser

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderOnUpgrade
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; NSIS shows the language of the Windows display language of whoever runs it.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Ukrainian"

LangString ShortcutName ${LANG_ENGLISH} "French Test"
LangString ShortcutName ${LANG_UKRAINIAN} "Тест з французької мови"
LangString ThisUser ${LANG_ENGLISH} " (this user)"
LangString ThisUser ${LANG_UKRAINIAN} " (цей користувач)"
LangString Newer ${LANG_ENGLISH} "French Test $0 is installed, which is newer than ${VERSION}. Install ${VERSION} over it?"
LangString Newer ${LANG_UKRAINIAN} "Встановлено French Test $0, новіший за ${VERSION}. Встановити ${VERSION} замість нього?"
LangString OtherFolder ${LANG_ENGLISH} "French Test is already installed in $0. Uninstall it first to install it in another folder."
LangString OtherFolder ${LANG_UKRAINIAN} "French Test уже встановлено в $0. Щоб установити його в іншу теку, спершу видаліть його."
LangString Running ${LANG_ENGLISH} "French Test is running from $INSTDIR. Close it, then choose Retry."
LangString Running ${LANG_UKRAINIAN} "French Test запущено з $INSTDIR. Закрийте його й виберіть «Повторити»."
LangString NotWritable ${LANG_ENGLISH} "The folder $INSTDIR cannot be created or written."
LangString NotWritable ${LANG_UKRAINIAN} "Теку $INSTDIR не вдається створити або записати."
LangString TwoSetups ${LANG_ENGLISH} "Another French Test setup is running."
LangString TwoSetups ${LANG_UKRAINIAN} "Уже працює інша програма встановлення French Test."
LangString FromMsi ${LANG_ENGLISH} "French Test is installed for all users from its MSI package. Remove that first (Settings, Apps, or msiexec /x)."
LangString FromMsi ${LANG_UKRAINIAN} "French Test встановлено для всіх користувачів з пакета MSI. Спершу видаліть його (Параметри, Програми або msiexec /x)."
LangString NotInstalledHere ${LANG_ENGLISH} "French Test is not registered as installed in $INSTDIR."
LangString NotInstalledHere ${LANG_UKRAINIAN} "French Test не зареєстровано як установлений у $INSTDIR."
LangString NeedsAdmin ${LANG_ENGLISH} "French Test is installed for all users here; removing it needs administrator rights."
LangString NeedsAdmin ${LANG_UKRAINIAN} "Тут French Test установлено для всіх користувачів; щоб видалити його, потрібні права адміністратора."

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP_NAME} ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
!if "${PUBLISHER}" != ""
  VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
  VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) ${PUBLISHER}"
!endif

Var chosenDir
Var installedDir

; Shows the message, or with /S only quits: with exit status 2, having changed nothing.
!macro Refuse TEXT
  IfSilent +2
    MessageBox MB_OK|MB_ICONSTOP "${TEXT}" /SD IDOK
  SetErrorLevel 2
  Quit
!macroend

; A running program keeps its exe open, and Windows (and Wine) refuse to open it for writing.
!macro WaitUntilClosed
  ${Do}
    ${IfNot} ${FileExists} "$INSTDIR\french-test.exe"
      ${Break}
    ${EndIf}
    ClearErrors
    FileOpen $1 "$INSTDIR\french-test.exe" a
    ${IfNot} ${Errors}
      FileClose $1
      ${Break}
    ${EndIf}
    ${If} ${Silent}
      SetErrorLevel 2
      Quit
    ${EndIf}
    ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" IDRETRY`
      SetErrorLevel 1
      Quit
    ${EndIf}
  ${Loop}
!macroend

Function .onInit
  System::Call 'kernel32::CreateMutex(p 0, i 0, t "FrenchTestSetup") p .r0 ?e'
  Pop $0
  ${If} $0 == 183 ; ERROR_ALREADY_EXISTS
    !insertmacro Refuse "$(TwoSetups)"
  ${EndIf}
  SetRegView 64
  ; MultiUser picks the mode (the recorded one first) and that mode's recorded folder; a folder
  ; given with /D counts only for a first install.
  StrCpy $chosenDir $INSTDIR
  !insertmacro MULTIUSER_INIT
  Call CheckEarlierInstall
FunctionEnd

Function CheckEarlierInstall
  ReadRegStr $installedDir SHCTX "${APP_KEY}" "InstallDir"
  ${If} $installedDir == ""
    ${If} $chosenDir != ""
      StrCpy $INSTDIR $chosenDir
    ${EndIf}
  ${Else}
    ${If} $chosenDir != ""
    ${AndIf} $chosenDir != $installedDir
      StrCpy $0 $installedDir
      !insertmacro Refuse "$(OtherFolder)"
    ${EndIf}
    StrCpy $INSTDIR $installedDir
    ReadRegStr $0 SHCTX "${APP_KEY}" "Version"
    ${VersionCompare} $0 "${VERSION}" $1
    ${If} $1 == 1
      ${If} ${Silent}
        SetErrorLevel 2
        Quit
      ${EndIf}
      ${IfNot} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION "$(Newer)" IDYES`
        SetErrorLevel 1
        Quit
      ${EndIf}
    ${EndIf}
  ${EndIf}
  ${If} $MultiUser.InstallMode == "AllUsers"
    ReadRegStr $0 HKLM "${APP_KEY}" "InstalledBy"
    ${If} $0 == "msi"
      !insertmacro Refuse "$(FromMsi)"
    ${EndIf}
  ${EndIf}
FunctionEnd

; The mode page may have switched modes: look again at what that mode has installed.
Function SkipFolderOnUpgrade
  StrCpy $chosenDir ""
  Call CheckEarlierInstall
  ${If} $installedDir != ""
    Abort ; an upgrade stays in its folder
  ${EndIf}
FunctionEnd

Function RunAsUser
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\french-test.exe"'
FunctionEnd

Section "Install"
  ; Nothing is touched before the folder takes files and the program is closed.
  ClearErrors
  CreateDirectory "$INSTDIR"
  FileOpen $0 "$INSTDIR\.french-test-setup" w
  ${If} ${Errors}
    !insertmacro Refuse "$(NotWritable)"
  ${EndIf}
  FileClose $0
  Delete "$INSTDIR\.french-test-setup"
  !insertmacro WaitUntilClosed

  ; An upgrade removes the earlier version's shortcut, whose name may be in another language.
  ReadRegStr $0 SHCTX "${APP_KEY}" "Shortcut"
  ${If} $0 != ""
    Delete "$0"
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "/oname=french-test.exe" "${EXE}"
  File "/oname=LICENSE.txt" "${LICENSE_FILE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  StrCpy $1 "$(ShortcutName)"
  StrCpy $2 "${APP_NAME}"
  ${If} $MultiUser.InstallMode == "CurrentUser"
    StrCpy $1 "$1$(ThisUser)"
    StrCpy $2 "$2$(ThisUser)"
  ${EndIf}
  CreateShortcut "$SMPROGRAMS\$1.lnk" "$INSTDIR\french-test.exe" "" "$INSTDIR\french-test.exe" 0

  WriteRegStr SHCTX "${APP_KEY}" "InstallDir" "$INSTDIR"
  WriteRegStr SHCTX "${APP_KEY}" "Version" "${VERSION}"
  WriteRegStr SHCTX "${APP_KEY}" "Shortcut" "$SMPROGRAMS\$1.lnk"

  ; Installed programs list; SHCTX is HKLM for all users, HKCU for one.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $3 $4
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "$2"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\french-test.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  !if "${PUBLISHER}" != ""
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  !endif
SectionEnd

; The uninstaller's mode is where it is installed, whoever runs it. MultiUser would move
; $INSTDIR to the folder its mode records, so the uninstaller's own folder is kept aside.
Var ownDir
Function un.onInit
  StrCpy $ownDir $INSTDIR
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
  ReadRegStr $0 HKLM "${APP_KEY}" "InstallDir"
  ReadRegStr $1 HKCU "${APP_KEY}" "InstallDir"
  ${If} $0 != ""
  ${AndIf} $0 == $ownDir
    UserInfo::GetAccountType
    Pop $2
    StrCpy $INSTDIR $ownDir
    ${If} $2 != "Admin"
      !insertmacro Refuse "$(NeedsAdmin)"
    ${EndIf}
    Call un.MultiUser.InstallMode.AllUsers
  ${ElseIf} $1 != ""
  ${AndIf} $1 == $ownDir
    Call un.MultiUser.InstallMode.CurrentUser
  ${Else}
    StrCpy $INSTDIR $ownDir
    !insertmacro Refuse "$(NotInstalledHere)"
  ${EndIf}
  StrCpy $INSTDIR $ownDir
  !insertmacro WaitUntilClosed
FunctionEnd

Section "Uninstall"
  ReadRegStr $0 SHCTX "${APP_KEY}" "Shortcut"
  ${If} $0 != ""
    Delete "$0"
  ${EndIf}
  Delete "$INSTDIR\french-test.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DeleteRegKey SHCTX "${APP_KEY}"
SectionEnd
