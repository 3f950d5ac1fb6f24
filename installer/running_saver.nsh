; Asking a running saver to end before its file is replaced or removed.

; Vorrith's single-instance mutex, held while a saver runs.
!define SAVER_MUTEX "Local\${PRODUCT}Saver"
!define SYNCHRONIZE 0x00100000
; Ten seconds, in steps of 200 ms.
!define SAVER_END_STEPS 50

!macro DefineEndRunningSaver UN
; Closes the full-screen saver's window and waits until no saver runs: the mutex says
; whether Vorrith runs, the window finds a saver from before it had the mutex. Gives
; up after ten seconds; replacing the file then fails and says so.
Function ${UN}EndRunningSaver
    Push $0
    Push $1
    Push $2
    StrCpy $2 0
    ${Do}
        FindWindow $0 "WindowsScreenSaverClass" "Screen Saver"
        ${If} $0 <> 0
            System::Call 'user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0)'
        ${EndIf}
        System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${SAVER_MUTEX}") p .r1'
        ${If} $1 P<> 0
            System::Call 'kernel32::CloseHandle(p r1)'
        ${ElseIf} $0 = 0
            ${Break}
        ${EndIf}
        IntOp $2 $2 + 1
        ${IfThen} $2 > ${SAVER_END_STEPS} ${|} ${Break} ${|}
        Sleep 200
    ${Loop}
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro DefineEndRunningSaver ""
!insertmacro DefineEndRunningSaver "un."
