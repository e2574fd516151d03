; The setup program of Colvane: the program, its libraries and content in Program Files\Colvane,
; the "Colvane" group in the Start menu and the settings file's [FILE] PATH through grouplink's
; logged calls, and the entry in Windows' list of installed programs. Its uninstaller removes
; what the log says Colvane added and the files this setup put there; the children's pictures stay.
;
; makensis -DARCH=x64|x86 -DSTAGE=<program folder> -DFILES=<file list .nsh> -DART=<generated res folder>
;          -DGROUPLINK_HEADER=<grouplink_win.h> -DOUTFILE=<setup .exe> colvane.nsi
; Silent use:  Colvane-Setup.exe /S [/POLICY=Key=Value;Key=Value] [/D=C:\Other Folder]
;              uninstall.exe /S
; /POLICY writes a grown-ups' policy for the whole computer into ColvanePolicy.ini beside the
; settings file (the keys of [Access] go there, every other key into [Policy]).

Unicode true
!if "${ARCH}" == "x64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define PRODUCT "Colvane"
!define VERSION "1.0.0"
!define PUBLISHER "The Colvane team"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Colvane"
!define SETTINGS_FILE "$SYSDIR\Colvane.ini"
!define POLICY_FILE "$SYSDIR\ColvanePolicy.ini"

Name "Colvane"
OutFile "${OUTFILE}"
!if "${ARCH}" == "x64"
  InstallDir "$PROGRAMFILES64\Colvane"
!else
  InstallDir "$PROGRAMFILES\Colvane"
!endif
; An upgrade goes where the earlier install is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Colvane ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Colvane"
VIAddVersionKey "FileDescription" "Colvane setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include TextFunc.nsh
!include x64.nsh
!include "${FILES}"
!include grouplink.nsh

!define MUI_ICON "${ART}/colvane.ico"
!define MUI_UNICON "${ART}/colvane.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${ART}/setup_welcome.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${ART}/setup_welcome.bmp"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${ART}/setup_header.bmp"
!define MUI_HEADERIMAGE_UNBITMAP "${ART}/setup_header.bmp"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TITLE "$(WelcomeTitle)"
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\colvane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(StartNow)"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!include setup_texts.nsh

Function .onInit
  SetShellVarContext all
!if "${ARCH}" == "x64"
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "$(Needs64)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  SetRegView 64
!endif
FunctionEnd

; Stops the setup with MESSAGE (a message box unless silent) and exit code 3.
!macro SetupFails message
  DetailPrint "${message}"
  MessageBox MB_ICONSTOP "${message}" /SD IDOK
  !insertmacro GroupLinkClose
  SetErrorLevel 3
  Abort
!macroend

; A grouplink result other than GL_OK stops the setup; its name and WHAT go in the message.
!macro GroupLinkMustSucceed what
  ${If} $0 != ${GL_OK}
    ${If} $0 == ${GL_NAME_TOO_LONG}
      StrCpy $0 "GL_NAME_TOO_LONG"
    ${ElseIf} $0 == ${GL_PROGMAN_NAME_REFUSED}
      StrCpy $0 "GL_PROGMAN_NAME_REFUSED"
    ${EndIf}
    !insertmacro SetupFails "$(GroupLinkFailed) ${what} ($0)"
  ${EndIf}
!macroend

; $R1 up to the first CHARACTER goes to $R4, the rest after it stays in $R1 (all of it: $R1 empty).
!macro CutAt character
  StrCpy $R2 0
  ${Do}
    StrCpy $R3 $R1 1 $R2
    ${If} $R3 == "${character}"
    ${OrIf} $R3 == ""
      ${ExitDo}
    ${EndIf}
    IntOp $R2 $R2 + 1
  ${Loop}
  StrCpy $R4 $R1 $R2
  IntOp $R2 $R2 + 1
  StrCpy $R1 $R1 "" $R2
!macroend

; /POLICY=Key=Value;Key=Value: each pair through grouplink's logged profile write, owner $1, so
; the uninstaller takes exactly these keys away again.
!macro WritePolicyOption
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/POLICY=" $R5
  ${IfNot} ${Errors}
    ${Do}
      ${If} $R5 == ""
        ${ExitDo}
      ${EndIf}
      StrCpy $R1 $R5
      !insertmacro CutAt ";"
      StrCpy $R5 $R1
      StrCpy $R1 $R4
      !insertmacro CutAt "="
      StrCpy $4 $R4
      StrCpy $5 $R1
      ${If} $4 == ""
        ${Continue}
      ${EndIf}
      StrCpy $3 "Policy"
      ${If} $4 == "Switches"
      ${OrIf} $4 == "ScanMs"
      ${OrIf} $4 == "AcceptMs"
      ${OrIf} $4 == "SwitchKeys"
      ${OrIf} $4 == "DwellMs"
      ${OrIf} $4 == "DwellRadius"
        StrCpy $3 "Access"
      ${EndIf}
      StrCpy $6 "${POLICY_FILE}"
      !insertmacro GroupLinkCall myWritePrivateProfileString "m r1, m r3, m r4, m r5, m r6"
      ${If} $0 == 0
        !insertmacro SetupFails "$(SettingsFailed) ${POLICY_FILE}"
      ${EndIf}
    ${Loop}
  ${EndIf}
!macroend

Section "Colvane" SecProgram
  SectionIn RO
  SetOverwrite on
  !insertmacro ColvaneInstallFiles
  ; The picture library: the samples and the child's boxes. A picture already there, painted on
  ; or not, is never replaced by an upgrade.
  SetOverwrite off
  SetOutPath "$INSTDIR\CUST"
  File /r "${STAGE}\CUST\*.*"
  SetOverwrite on
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; Everything logged under the owner "Colvane", so the uninstaller removes exactly this.
  !insertmacro GroupLinkOpen "$INSTDIR\grouplink.dll"
  ${If} ${Errors}
    !insertmacro SetupFails "$(GroupLinkMissing)"
  ${EndIf}
  StrCpy $1 "${PRODUCT}"        ; owner
  StrCpy $2 "Colvane"           ; group
  !insertmacro GroupLinkCall myCreateGroup "p $HWNDPARENT, m r2, m r1"
  !insertmacro GroupLinkMustSucceed "$(TheGroup)"
  StrCpy $3 "Colvane"
  StrCpy $4 "$INSTDIR\colvane.exe"
  !insertmacro GroupLinkCall myCreateGroupItem "p $HWNDPARENT, m r2, m r3, m r4, m r1"
  !insertmacro GroupLinkMustSucceed "$(TheProgramItem)"
  StrCpy $3 "Colvane Help"
  StrCpy $4 "$INSTDIR\Colvane.chm"
  !insertmacro GroupLinkCall myCreateGroupItem "p $HWNDPARENT, m r2, m r3, m r4, m r1"
  !insertmacro GroupLinkMustSucceed "$(TheHelpItem)"
  ; The program finds its content through the settings file's [FILE] PATH.
  StrCpy $3 "FILE"
  StrCpy $4 "PATH"
  StrCpy $5 "$INSTDIR"
  StrCpy $6 "${SETTINGS_FILE}"
  !insertmacro GroupLinkCall myWritePrivateProfileString "m r1, m r3, m r4, m r5, m r6"
  ${If} $0 == 0
    !insertmacro SetupFails "$(SettingsFailed) ${SETTINGS_FILE}"
  ${EndIf}
  !insertmacro WritePolicyOption
  !insertmacro GroupLinkClose

  ; Windows' list of installed programs.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Colvane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\colvane.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "HelpLink" "$INSTDIR\Colvane.chm"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  SetShellVarContext all
!if "${ARCH}" == "x64"
  SetRegView 64
!endif
FunctionEnd

; The settings file is the program's own: once the logged [FILE] PATH is gone, the sections the
; program writes (where the child was, the paper, the music) go too, and the file if it is empty.
Function un.RemoveSettings
  DeleteINISec "${SETTINGS_FILE}" "DESKTOP"
  DeleteINISec "${SETTINGS_FILE}" "SOUND"
  DeleteINISec "${SETTINGS_FILE}" "sample"
  Push "${SETTINGS_FILE}"
  Call un.DeleteIfBare
  Push "${POLICY_FILE}"
  Call un.DeleteIfBare
FunctionEnd

; Deletes the file on the stack when nothing is left in it but section names and empty lines.
Function un.DeleteIfBare
  Exch $R0
  ClearErrors
  FileOpen $0 "$R0" r
  IfErrors done
  StrCpy $2 "empty"
  ${Do}
    FileRead $0 $1
    ${If} ${Errors}
      ${ExitDo}
    ${EndIf}
    ${TrimNewLines} $1 $1
    StrCpy $3 $1 1
    ${If} $1 != ""
    ${AndIf} $3 != "["
      StrCpy $2 "kept"
      ${ExitDo}
    ${EndIf}
  ${Loop}
  FileClose $0
  ${If} $2 == "empty"
    Delete "$R0"
  ${EndIf}
done:
  Pop $R0
FunctionEnd

Section "Uninstall"
  !insertmacro GroupLinkOpen "$INSTDIR\grouplink.dll"
  ${If} ${Errors}
    DetailPrint "$(GroupLinkMissing)"
  ${Else}
    StrCpy $1 "${PRODUCT}"
    !insertmacro GroupLinkCall DeleteGroupData "p $HWNDPARENT, m r1"
    DetailPrint "DeleteGroupData: $0"
    !insertmacro GroupLinkCall DeleteProfileString "m r1"
    DetailPrint "DeleteProfileString: $0"
    !insertmacro GroupLinkClose
  ${EndIf}
  Call un.RemoveSettings

  !insertmacro ColvaneRemoveFiles
  Delete "$INSTDIR\uninstall.exe"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The picture library stays where it is, with the children's pictures.
  RMDir "$INSTDIR"
  ${If} ${FileExists} "$INSTDIR\CUST\*.*"
    MessageBox MB_ICONINFORMATION "$(PicturesKept)" /SD IDOK
  ${EndIf}
SectionEnd
