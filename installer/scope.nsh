; The two scopes and where each puts things.
;   all users:    %WINDIR%\Vorrith.scr (listed by the Screen Saver settings on every
;                 version, and never redirected as System32 is for a 32-bit program),
;                 the uninstaller in %PROGRAMFILES%\Vorrith, entries under HKLM;
;   current user: %LOCALAPPDATA%\Programs\Vorrith with the uninstaller beside the .scr,
;                 entries under HKCU, nothing in HKLM or the Windows folder.
; SetShellVarContext chooses the Start menu ($SMPROGRAMS) and the registry root of
; SHCTX: all users, HKLM; the current user, HKCU.

!define UNINSTALLER "Uninstall.exe"
!ifdef AMD64
    !define PROGRAM_FILES "$PROGRAMFILES64"
!else
    !define PROGRAM_FILES "$PROGRAMFILES"
!endif
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define SETTINGS_KEY "Software\${PRODUCT}"
!define START_MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"

Var Scope      ; "all" or "user"
Var ScrFolder
Var ScrPath
Var ScopeText  ; for whom and where, as the first page says it

!macro UseScope SCOPE
    StrCpy $Scope ${SCOPE}
    ${If} $Scope == "all"
        SetShellVarContext all
        StrCpy $INSTDIR "${PROGRAM_FILES}\${PRODUCT}"
        StrCpy $ScrFolder "$WINDIR"
        StrCpy $ScopeText "for all users of this computer, in $ScrFolder"
    ${Else}
        SetShellVarContext current
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
        StrCpy $ScrFolder "$INSTDIR"
        StrCpy $ScopeText "for you alone, in $ScrFolder"
    ${EndIf}
    StrCpy $ScrPath "$ScrFolder\${PRODUCT}.scr"
!macroend

!macro DefineCanWriteWindowsFolder UN
; Pushes 1 when this process may create files in the Windows folder, else 0.
Function ${UN}CanWriteWindowsFolder
    Push $0
    ClearErrors
    FileOpen $0 "$WINDIR\${PRODUCT}-Setup.tmp" w
    ${If} ${Errors}
        StrCpy $0 0
    ${Else}
        FileClose $0
        Delete "$WINDIR\${PRODUCT}-Setup.tmp"
        StrCpy $0 1
    ${EndIf}
    Exch $0
FunctionEnd
!macroend
!insertmacro DefineCanWriteWindowsFolder ""
!insertmacro DefineCanWriteWindowsFolder "un."

; /ALLUSERS or /CURRENTUSER, else all users when the Windows folder can be written.
Function ChooseScope
    ${GetParameters} $0
    StrCpy $1 ""
    ClearErrors
    ${GetOptions} $0 "/ALLUSERS" $2
    ${IfNot} ${Errors}
        StrCpy $1 "all"
    ${EndIf}
    ClearErrors
    ${GetOptions} $0 "/CURRENTUSER" $2
    ${IfNot} ${Errors}
        ${If} $1 != ""
            MessageBox MB_ICONSTOP "Choose /ALLUSERS or /CURRENTUSER, not both." /SD IDOK
            Abort
        ${EndIf}
        StrCpy $1 "user"
    ${EndIf}
    ${If} $1 != "user"
        Call CanWriteWindowsFolder
        Pop $2
        ${If} $2 = 1
            StrCpy $1 "all"
        ${ElseIf} $1 == "all"
            MessageBox MB_ICONSTOP "Installing for all users needs an administrator. Run Setup as one, \
                or with /CURRENTUSER to install for yourself." /SD IDOK
            Abort
        ${Else}
            StrCpy $1 "user"
        ${EndIf}
    ${EndIf}
    !insertmacro UseScope $1
FunctionEnd

; The uninstaller's scope, from where it is: the current user's lies beside its .scr (or
; in that user's folder, should the .scr be gone already).
Function un.ScopeOfThisUninstaller
    SetShellVarContext current
    ${If} ${FileExists} "$INSTDIR\${PRODUCT}.scr"
    ${OrIf} "$INSTDIR" == "$LOCALAPPDATA\Programs\${PRODUCT}"
        !insertmacro UseScope "user"
    ${Else}
        !insertmacro UseScope "all"
    ${EndIf}
FunctionEnd

; Uninstalling for all users needs the rights installing needed.
Function un.RequireRightsOfScope
    ${If} $Scope == "all"
        Call un.CanWriteWindowsFolder
        Pop $0
        ${If} $0 = 0
            MessageBox MB_ICONSTOP "Removing ${PRODUCT} for all users needs an administrator." /SD IDOK
            Abort
        ${EndIf}
    ${EndIf}
FunctionEnd

; The current user's Programs folder goes when Vorrith was all it held.
Function un.RemoveEmptyProgramsFolder
    ${If} $Scope == "user"
        RMDir "$LOCALAPPDATA\Programs"
    ${EndIf}
FunctionEnd
