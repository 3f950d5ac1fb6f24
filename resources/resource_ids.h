// Identifiers of the program's resources, shared by the resource scripts and the code:
// plain #defines, so that the resource compiler reads the same file as the C++ code.
#pragma once

#define IDI_VORRITH 100

// The string table. The configuration dialog's title: IDS_DIALOG_TITLE until the first
// picture, then IDS_IMAGE_TITLE with the picture's number.
#define IDS_PRODUCT_NAME 1
#define IDS_IMAGE_TITLE 2
#define IDS_DIALOG_TITLE 3

// Configuration dialog: the picture browser.
#define IDD_CONFIG_DIALOG 2003
#define IDC_IMAGE_NUMBER 1006
#define IDC_DRAW 1004
#define IDC_RANDOM_IMAGE 1009
#define IDC_SAVE_AS 1005
#define IDC_ABOUT 1011
#define IDC_CHANGE_DISPLAY_MODE 1012
#define IDC_SET_WALLPAPER 1013

// About box.
#define IDD_ABOUT_BOX 104
#define IDC_ABOUT_TEXT 1007
#define IDC_VISIT_WEB_SITE 1010
#define IDR_ABOUT_TEXT 108
