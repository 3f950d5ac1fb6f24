// Identifiers of the program's resources, shared by the resource scripts and the code.
#pragma once

#define IDI_VORRITH 100
#define IDS_PRODUCT_NAME 1
#define IDS_IMAGE_TITLE 2
#define IDS_DIALOG_TITLE 3
