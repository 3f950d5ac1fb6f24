; The user's screen saver setting: making Vorrith the active saver, remembering the one
; before, and putting that back.

!define DESKTOP_KEY "Control Panel\Desktop"
!define POLICY_DESKTOP_KEY "Software\Policies\Microsoft\Windows\Control Panel\Desktop"
; The saver that was active before Vorrith became it; "" when there was none.
!define PREVIOUS_SAVER_VALUE "PreviousScreenSaver"
!define DEFAULT_TIMEOUT_SECONDS 600
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_BROADCAST 3  ; SPIF_UPDATEINIFILE | SPIF_SENDCHANGE

!macro DefineScreenSaverSetting UN
; Pushes 1 when a Group Policy chooses the user's screen saver, else 0.
Function ${UN}PolicyChoosesSaver
    Push $0
    ReadRegStr $0 HKCU "${POLICY_DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} $0 == ""
        StrCpy $0 0
    ${Else}
        StrCpy $0 1
    ${EndIf}
    Exch $0
FunctionEnd

; Pushes 1 when the user's SCRNSAVE.EXE names a Vorrith.scr (by its long or short path,
; in either scope), else 0.
Function ${UN}ActiveSaverIsOurs
    Push $0
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${GetFileName} "$0" $0
    ${If} $0 == "${PRODUCT}.scr"
        StrCpy $0 1
    ${Else}
        StrCpy $0 0
    ${EndIf}
    Exch $0
FunctionEnd

; Makes $ScrPath the screen saver of the account this runs as and tells the system, so
; no sign-out is needed. The saver active before is remembered unless it is ours (so a
; second install keeps the first one's record). Callers have checked for a policy.
Function ${UN}MakeActive
    Push $0
    Call ${UN}ActiveSaverIsOurs
    Pop $0
    ${If} $0 = 0
        ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
        WriteRegStr HKCU "${SETTINGS_KEY}" "${PREVIOUS_SAVER_VALUE}" "$0"
    ${EndIf}
    Call ${UN}SaverCommandPath
    Pop $0
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$0"
    WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
    ClearErrors
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "ScreenSaveTimeOut"
    ${If} ${Errors}
        WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveTimeOut" "${DEFAULT_TIMEOUT_SECONDS}"
    ${EndIf}
    System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_BROADCAST})'
    Pop $0
FunctionEnd

; Pushes the path SCRNSAVE.EXE should hold: Windows may start the saver from a command
; line that does not quote it, so where the long path holds a space, its short (8.3)
; form; the long path where the volume has no short names.
Function ${UN}SaverCommandPath
    Push $0
    Push $1
    Push $2
    StrCpy $0 "$ScrPath"
    ${WordReplace} "$ScrPath" " " "" "+" $1
    ${If} $1 != "$ScrPath"
        GetFullPathName /SHORT $1 "$ScrPath"
        ${WordReplace} "$1" " " "" "+" $2
        ${If} $1 != ""
        ${AndIf} $1 == $2
            StrCpy $0 $1
        ${EndIf}
    ${EndIf}
    Pop $2
    Pop $1
    Exch $0
FunctionEnd
!macroend
!insertmacro DefineScreenSaverSetting ""
!insertmacro DefineScreenSaverSetting "un."

; Puts back the saver that was active before Vorrith, when the user's setting still names
; Vorrith (a saver chosen since stays) and no policy chooses it. When there was none,
; none is active again, as the Screen Saver settings leave it after "(None)".
Function un.RestorePreviousSaver
    Push $0
    Call un.PolicyChoosesSaver
    Pop $0
    ${If} $0 = 0
        Call un.ActiveSaverIsOurs
        Pop $0
        ${If} $0 = 1
            ReadRegStr $0 HKCU "${SETTINGS_KEY}" "${PREVIOUS_SAVER_VALUE}"
            ${If} $0 == ""
                DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
                System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 0, p 0, \
                    i ${SPIF_UPDATE_AND_BROADCAST})'
            ${Else}
                WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$0"
            ${EndIf}
        ${EndIf}
    ${EndIf}
    Pop $0
FunctionEnd
