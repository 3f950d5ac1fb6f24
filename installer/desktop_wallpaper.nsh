; The desktop background the program's "Set as Desktop Background" writes, in the local
; application data folder of the user who runs the uninstaller.

!define WALLPAPER_FOLDER "$LOCALAPPDATA\${PRODUCT}"
!define WALLPAPER_FILE "${WALLPAPER_FOLDER}\Wallpaper.bmp"

; Removes the file, and its folder when that is left empty, unless it is the user's
; desktop background still: taking it away would leave the desktop without one.
; NSIS compares strings without regard to case, as Windows compares paths.
Function un.RemoveWallpaperFile
    Push $0
    SetShellVarContext current  ; for all users, $LOCALAPPDATA would be the shared folder
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "Wallpaper"
    ${If} $0 != "${WALLPAPER_FILE}"
        Delete "${WALLPAPER_FILE}"
        RMDir "${WALLPAPER_FOLDER}"
    ${EndIf}
    ${If} $Scope == "all"
        SetShellVarContext all
    ${EndIf}
    Pop $0
FunctionEnd
