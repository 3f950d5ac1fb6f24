// Resource and control ids of the configuration dialog and the About box. Plain
// #defines so that the resource compiler reads the same file as the C++ code.
#pragma once

// Configuration dialog: the picture browser.
#define IDD_CONFIG_DIALOG 2003
#define IDC_IMAGE_NUMBER 1006
#define IDC_DRAW 1004
#define IDC_RANDOM_IMAGE 1009
#define IDC_SAVE_AS 1005
#define IDC_ABOUT 1011
#define IDC_CHANGE_DISPLAY_MODE 1012

// String table entries the configuration dialog reads (the table is the program's).
#define IDS_TITLE_WITH_IMAGE 2
#define IDS_TITLE_AT_START 3

// About box.
#define IDD_ABOUT_BOX 104
#define IDC_ABOUT_TEXT 1007
#define IDC_VISIT_WEB_SITE 1010
#define IDR_ABOUT_TEXT 108
