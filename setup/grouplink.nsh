; grouplink.dll for NSIS scripts (Unicode, x86 or amd64): the result codes read from the C
; header, and macros that call the exports of the copy of grouplink.dll a product installs.
;
;   !define GROUPLINK_HEADER path\grouplink_win.h   (before including this file)
;   !insertmacro GroupLinkOpen "$INSTDIR\grouplink.dll"   ; error flag set when it can't load
;   !insertmacro GroupLinkCall myCreateGroup "p $HWNDPARENT, m r1, m r2" ; result in $0
;   !insertmacro GroupLinkClose
;
; Strings go to grouplink as ANSI ("m"). Pass names through registers (m r1 for $1) rather than
; literal text, so a name with parentheses or commas can't break the call's own syntax. The DLL is
; loaded by its full path, never found on the search path, and freed by GroupLinkClose so that an
; uninstaller can delete it afterwards.

!ifndef GROUPLINK_NSH
!define GROUPLINK_NSH

!ifndef GROUPLINK_HEADER
  !error "define GROUPLINK_HEADER as the path of grouplink_win.h"
!endif
!searchparse /file "${GROUPLINK_HEADER}" "#define GL_OK " GL_OK " "
!searchparse /file "${GROUPLINK_HEADER}" "#define GL_NAME_TOO_LONG (" GL_NAME_TOO_LONG ")"
!searchparse /file "${GROUPLINK_HEADER}" "#define GL_PROGMAN_NAME_REFUSED (" GL_PROGMAN_NAME_REFUSED ")"
!searchparse /file "${GROUPLINK_HEADER}" "#define GL_GROUP_NAME_MAX " GL_GROUP_NAME_MAX " "
!searchparse /file "${GROUPLINK_HEADER}" "#define GL_ITEM_NAME_MAX " GL_ITEM_NAME_MAX " "

!include LogicLib.nsh

Var GroupLinkModule

!macro GroupLinkOpen path
  Push $0
  StrCpy $0 "${path}"
  System::Call 'kernel32::LoadLibraryW(w r0) p .r0'
  StrCpy $GroupLinkModule $0
  Pop $0
  ClearErrors
  ${If} $GroupLinkModule == 0
    SetErrors
  ${EndIf}
!macroend

; Calls EXPORT with System's argument list ARGS; the int result is in $0, "" when the DLL isn't
; open or lacks the export. $0 itself can't be an argument.
!macro GroupLinkCall export args
  StrCpy $0 0
  ${If} $GroupLinkModule != 0
  ${AndIf} $GroupLinkModule != ""
    System::Call 'kernel32::GetProcAddress(p $GroupLinkModule, m "${export}") p .r0'
  ${EndIf}
  ${If} $0 == 0
    StrCpy $0 ""
  ${Else}
    System::Call '::$0(${args}) i .r0'
  ${EndIf}
!macroend

!macro GroupLinkClose
  ${If} $GroupLinkModule != 0
  ${AndIf} $GroupLinkModule != ""
    System::Call 'kernel32::FreeLibrary(p $GroupLinkModule)'
  ${EndIf}
  StrCpy $GroupLinkModule 0
!macroend

!endif
