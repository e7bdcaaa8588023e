; The Windows installer: per user without administrator rights, or for all users when run as
; administrator; /CurrentUser or /AllUsers on the command line chooses, /S installs silently.
; makensis -DVERSION=x.y.z -DEXE=<french-test.exe> -DLICENSE_FILE=<LICENSE.txt> -DOUTFILE=<setup.exe> installer.nsi
Unicode true
; The file name says "setup", as users look for; NSIS loads its DLLs safely all the same.
!pragma warning disable 9000
; Who holds the copyright is not settled yet, so the version resource names none.
!pragma warning disable 9100
Target amd64-unicode
SetCompressor /SOLID lzma

!define APP_NAME "French Test"
!define APP_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\FrenchTest"

Name "${APP_NAME}"
OutFile "${OUTFILE}"
BrandingText "${APP_NAME} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP_NAME}"
!define MULTIUSER_USE_PROGRAMFILES64
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\french-test.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Ukrainian"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP_NAME} ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"

Var chosenDir

Function .onInit
  ; MultiUser sets its default folder for the mode; a folder given with /D goes first.
  StrCpy $chosenDir $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${If} $chosenDir != ""
    StrCpy $INSTDIR $chosenDir
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File "/oname=french-test.exe" "${EXE}"
  File "/oname=LICENSE.txt" "${LICENSE_FILE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\french-test.exe" "" "$INSTDIR\french-test.exe" 0

  ; Installed programs list; SHCTX is HKLM for all users, HKCU for one.
  WriteRegStr SHCTX "${APP_KEY}" "DisplayName" "${APP_NAME}"
  WriteRegStr SHCTX "${APP_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${APP_KEY}" "DisplayIcon" "$INSTDIR\french-test.exe,0"
  WriteRegStr SHCTX "${APP_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${APP_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${APP_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${APP_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${APP_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${APP_NAME}.lnk"
  Delete "$INSTDIR\french-test.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${APP_KEY}"
SectionEnd
