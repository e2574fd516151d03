; A second, small product for the setup's tests: "Story Corner" puts its item in the same
; "Colvane" group through its own copy of grouplink.dll, under its own owner name, so that the
; group must outlive Colvane's uninstall and go with this one's.
; makensis -DSETUP_DIR=<setup folder> -DGROUPLINK_DLL=<grouplink.dll> -DGROUPLINK_HEADER=<grouplink_win.h> -DOUTFILE=<exe>
Unicode true
Target amd64-unicode
RequestExecutionLevel admin
Name "Story Corner"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Story Corner"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Story Corner"

!include LogicLib.nsh
!include "${SETUP_DIR}/grouplink.nsh"

Function .onInit
  SetRegView 64
FunctionEnd
Function un.onInit
  SetRegView 64
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "${GROUPLINK_DLL}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  !insertmacro GroupLinkOpen "$INSTDIR\grouplink.dll"
  StrCpy $1 "Story Corner"
  StrCpy $2 "Colvane"
  StrCpy $3 "$WINDIR\notepad.exe"
  !insertmacro GroupLinkCall myCreateGroup "p 0, m r2, m r1"
  ${If} $0 == ${GL_OK}
    !insertmacro GroupLinkCall myCreateGroupItem "p 0, m r2, m r1, m r3, m r1"
  ${EndIf}
  !insertmacro GroupLinkClose
  ${If} $0 != ${GL_OK}
    SetErrorLevel 3
  ${EndIf}
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Story Corner"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
SectionEnd

Section "Uninstall"
  !insertmacro GroupLinkOpen "$INSTDIR\grouplink.dll"
  StrCpy $1 "Story Corner"
  !insertmacro GroupLinkCall DeleteGroupData "p 0, m r1"
  !insertmacro GroupLinkClose
  Delete "$INSTDIR\grouplink.dll"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
