; Vorrith-Setup.exe: puts Vorrith.scr where Windows finds it, makes it the screen saver of
; the user who runs Setup, and writes an uninstaller that takes everything back out.
;
; makensis [-DAMD64] -DVERSION=1.80 -DVERSION_QUAD=1.80.0.0 -DSCR_FILE=path/Vorrith.scr
;          -DICON_FILE=path/vorrith.ico -DOUT_FILE=path/Vorrith-Setup.exe setup.nsi
; AMD64 makes the 64-bit installer of the 64-bit program.
;
; Command line: /S silent; /ALLUSERS or /CURRENTUSER force a scope, which is otherwise all
; users when Setup can write the Windows folder and the current user when it cannot.
; The uninstaller takes /S too; with /MAKEACTIVE it makes Vorrith the screen saver of
; whoever runs it and uninstalls nothing (the Start menu entry that does so).

Unicode true
!ifdef AMD64
    Target amd64-unicode
!endif
; An administrator gets the rights to install for all users, anyone else installs for
; themselves; no one is asked for an administrator's password to do that.
RequestExecutionLevel highest
ManifestSupportedOS all
ManifestDPIAware true
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include WinMessages.nsh
!include MUI2.nsh

!define PRODUCT "Vorrith"
!define PUBLISHER "The Vorrith developers"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUT_FILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT} Screensaver"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Screensaver Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!include scope.nsh
!include running_saver.nsh
!include screen_saver_setting.nsh
!include signed_in_user.nsh
!include desktop_wallpaper.nsh

; What the last page says about the screen saver setting, and whether its check box
; can make Vorrith the screen saver.
Var FinishNote
Var CanSetSaver

!define MUI_ICON "${ICON_FILE}"
!define MUI_UNICON "${ICON_FILE}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup will install ${PRODUCT} ${VERSION} $ScopeText.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "${PRODUCT} ${VERSION} is installed.$FinishNote"
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Make ${PRODUCT} my screen saver"
!define MUI_FINISHPAGE_RUN_FUNCTION MakeActive
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowSaverCheckBox
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    Call ChooseScope
FunctionEnd

Section "Install" SectionInstall
    Call EndRunningSaver
    SetOutPath "$ScrFolder"
    ClearErrors
    File "${SCR_FILE}"
    ; A silent install skips a file it cannot write and goes on as if it had.
    ${If} ${Errors}
        MessageBox MB_ICONSTOP "$ScrPath is in use and was not replaced. Close ${PRODUCT} Pictures and the \
            Screen Saver settings, then run Setup again." /SD IDOK
        Abort
    ${EndIf}
    CreateDirectory "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    Call CreateStartMenuEntries
    Call WriteUninstallEntry
    Call DecideSaverSetting
    ${If} ${Silent}
    ${AndIf} $CanSetSaver = 1
        Call MakeActive
    ${EndIf}
SectionEnd

Function CreateStartMenuEntries
    CreateDirectory "${START_MENU_FOLDER}"
    ; No argument: the dialog owned by no window. With /c the owner would be the window
    ; in front when the entry was chosen, a window of the shell, disabled while the
    ; dialog is open.
    CreateShortcut "${START_MENU_FOLDER}\${PRODUCT} Pictures.lnk" "$ScrPath" "" "$ScrPath" 0
    ; desk.cpl's page 1 is the Screen Saver settings from Windows XP (a tab of Display
    ; Properties) to Windows 11 (which maps the old page number to its own dialog); the
    ; page's name, @screensaver, is known only from Windows Vista on.
    CreateShortcut "${START_MENU_FOLDER}\Screen Saver Settings.lnk" "$SYSDIR\control.exe" "desk.cpl,,1"
    ; _?= keeps the uninstaller where it is instead of running a copy from the temporary
    ; folder, as it does to uninstall.
    CreateShortcut "${START_MENU_FOLDER}\Make ${PRODUCT} the screen saver.lnk" "$INSTDIR\${UNINSTALLER}" \
        "/MAKEACTIVE _?=$INSTDIR" "$ScrPath" 0
FunctionEnd

Function WriteUninstallEntry
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} Screensaver"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$ScrPath"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize ${SectionInstall} $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
FunctionEnd

; Whether Setup can make Vorrith the screen saver of the signed-in user, and the last
; page's note on it.
Function DecideSaverSetting
    StrCpy $CanSetSaver 1
    StrCpy $FinishNote ""
    ${If} $Scope == "user"
        StrCpy $FinishNote "$\r$\n$\r$\nThe Screen Saver settings may not list a screen saver installed for one user; \
            the Start menu entry $\"Make ${PRODUCT} the screen saver$\" sets it again."
    ${EndIf}
    Call PolicyChoosesSaver
    Pop $0
    Call RunsAsSignedInUser
    Pop $1
    ${If} $0 = 1
        StrCpy $CanSetSaver 0
        StrCpy $FinishNote "$FinishNote$\r$\n$\r$\nA Group Policy chooses the screen saver here, so Setup changed none \
            of your screen saver settings."
    ${ElseIf} $1 = 0
        StrCpy $CanSetSaver 0
        StrCpy $FinishNote "$FinishNote$\r$\n$\r$\nSetup runs as another account than the one signed in and cannot set \
            that account's screen saver: the Start menu entry $\"Make ${PRODUCT} the screen saver$\" does it."
    ${EndIf}
    ${If} $FinishNote != ""
        DetailPrint "$FinishNote"
    ${EndIf}
FunctionEnd

Function ShowSaverCheckBox
    ${If} $CanSetSaver = 0
        SendMessage $mui.FinishPage.Run ${BM_SETCHECK} ${BST_UNCHECKED} 0
        ShowWindow $mui.FinishPage.Run ${SW_HIDE}
    ${EndIf}
FunctionEnd

Function un.onInit
    Call un.ScopeOfThisUninstaller
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/MAKEACTIVE" $1
    ${IfNot} ${Errors}
        Call un.MakeActiveAndTell
        Quit
    ${EndIf}
    Call un.RequireRightsOfScope
FunctionEnd

; The Start menu entry's work: make the installed saver the screen saver of whoever runs it.
Function un.MakeActiveAndTell
    ${IfNot} ${FileExists} "$ScrPath"
        MessageBox MB_ICONSTOP "$ScrPath is missing: install ${PRODUCT} again." /SD IDOK
        SetErrorLevel 1
        Return
    ${EndIf}
    Call un.PolicyChoosesSaver
    Pop $0
    ${If} $0 = 1
        MessageBox MB_ICONINFORMATION "A Group Policy chooses the screen saver here; nothing was changed." /SD IDOK
        SetErrorLevel 1
        Return
    ${EndIf}
    Call un.MakeActive
    MessageBox MB_ICONINFORMATION "${PRODUCT} is your screen saver now." /SD IDOK
    SetErrorLevel 0
FunctionEnd

Section "Uninstall"
    Call un.EndRunningSaver
    ; The .scr first: while it is in use, nothing else is taken away.
    Delete "$ScrPath"
    ${If} ${FileExists} "$ScrPath"
        MessageBox MB_ICONSTOP "$ScrPath is in use. Close ${PRODUCT} Pictures and the Screen Saver settings, \
            then remove ${PRODUCT} again." /SD IDOK
        Abort
    ${EndIf}
    Call un.RestorePreviousSaver
    Call un.RemoveWallpaperFile
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    Delete "${START_MENU_FOLDER}\${PRODUCT} Pictures.lnk"
    Delete "${START_MENU_FOLDER}\Screen Saver Settings.lnk"
    Delete "${START_MENU_FOLDER}\Make ${PRODUCT} the screen saver.lnk"
    RMDir "${START_MENU_FOLDER}"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Call un.RemoveEmptyProgramsFolder
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
