; Whether Setup runs as the user signed in to this session. Elevated with another
; account's password it runs as that account, and HKCU is that account's: the signed-in
; user's screen saver cannot be set from here.

!define WTS_CURRENT_SERVER_HANDLE 0
!define WTS_CURRENT_SESSION -1
!define WTSUserName 5

; Pushes 0 when the session's user and this process's account differ by name, else 1
; (also when the session's user cannot be read).
Function RunsAsSignedInUser
    Push $0
    Push $1
    Push $2
    StrCpy $0 1
    System::Call 'wtsapi32::WTSQuerySessionInformationW(p ${WTS_CURRENT_SERVER_HANDLE}, \
        i ${WTS_CURRENT_SESSION}, i ${WTSUserName}, *p .r1, *i) i .r2'
    ${If} $2 <> 0
        System::Call 'kernel32::lstrcpynW(w .r2, p r1, i ${NSIS_MAX_STRLEN})'
        System::Call 'wtsapi32::WTSFreeMemory(p r1)'
        System::Call 'advapi32::GetUserNameW(w .r1, *i ${NSIS_MAX_STRLEN})'
        ${If} $2 != ""
        ${AndIf} $2 != $1
            StrCpy $0 0
        ${EndIf}
    ${EndIf}
    Pop $2
    Pop $1
    Exch $0
FunctionEnd
