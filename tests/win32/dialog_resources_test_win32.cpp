// The dialog templates and the About text as compiled into Vorrith.scr, read from the
// built program as a data file: what the dialog code relies on (styles, sizes, control
// ids, the default button) is checked where the resource compiler could get it wrong.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "resources/resource_ids.h"
#include "tests/win32/program_resources_fixture.h"

namespace vorrith {
namespace {

#pragma pack(push, 2)
struct PlainDialogHeader {
    DWORD style;
    DWORD extendedStyle;
    WORD items;
    short x, y, cx, cy;
};
struct ExtendedDialogHeader {
    WORD version;
    WORD signature;
    DWORD helpId;
    DWORD extendedStyle;
    DWORD style;
    WORD items;
    short x, y, cx, cy;
};
#pragma pack(pop)

class DialogResourcesTest : public ProgramResourcesTest {
protected:
    template <typename Header>
    Header DialogHeader(int id) {
        const std::string bytes = Resource(MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
        Header header{};
        if (bytes.size() >= sizeof header) std::memcpy(&header, bytes.data(), sizeof header);
        return header;
    }
    // A dialog of the program created hidden, for looking at its controls.
    HWND CreateHidden(int id, DLGPROC procedure) {
        return CreateDialogParamA(program, MAKEINTRESOURCEA(id), nullptr, procedure, 0);
    }
};

INT_PTR CALLBACK KeepDefaults(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST_F(DialogResourcesTest, ConfigurationDialogTemplate) {
    const auto header = DialogHeader<PlainDialogHeader>(IDD_CONFIG_DIALOG);
    // The picture is painted around the controls, never over them.
    EXPECT_EQ(header.style & ~WS_POPUP, DWORD{WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_CLIPCHILDREN});
    EXPECT_EQ(header.items, 8);  // the row of the picture browser, the wallpaper button and the display-mode choice
    EXPECT_EQ(header.cx, 292);
    EXPECT_EQ(header.cy, 66);
}

TEST_F(DialogResourcesTest, ConfigurationControlsStartWithThePictureButtonsDisabledAndRandomAsDefault) {
    const HWND dialog = CreateHidden(IDD_CONFIG_DIALOG, KeepDefaults);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindowTextLengthA(dialog), 0);
    for (int id : {IDC_IMAGE_NUMBER, IDC_DRAW, IDC_RANDOM_IMAGE, IDC_SAVE_AS, IDC_ABOUT, IDC_SET_WALLPAPER,
                   IDC_CHANGE_DISPLAY_MODE}) {
        EXPECT_NE(GetDlgItem(dialog, id), nullptr) << id;
    }
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_SAVE_AS)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_SET_WALLPAPER)));
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(dialog, IDC_IMAGE_NUMBER), GWL_STYLE) & ES_NUMBER);
    EXPECT_EQ(LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), IDC_RANDOM_IMAGE);
    char choice[64] = "";
    GetDlgItemTextA(dialog, IDC_CHANGE_DISPLAY_MODE, choice, sizeof choice);
    EXPECT_STREQ(choice,
                 "&Change the screen to 640\xA0\xD7\xA0"
                 "480");  // no-break spaces, multiplication sign
    EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, IDC_CHANGE_DISPLAY_MODE), GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    DestroyWindow(dialog);
}

TEST_F(DialogResourcesTest, AboutBoxTemplate) {
    const auto header = DialogHeader<ExtendedDialogHeader>(IDD_ABOUT_BOX);
    EXPECT_EQ(header.version, 1);
    EXPECT_EQ(header.signature, 0xFFFF);
    EXPECT_EQ(header.style, DWORD{0x00CD0840});
    EXPECT_EQ(header.items, 3);
    EXPECT_EQ(header.cx, 296);
    EXPECT_EQ(header.cy, 223);
}

TEST_F(DialogResourcesTest, AboutTextIsTheRtfDocument) {
    const std::string text = Resource(MAKEINTRESOURCEA(IDR_ABOUT_TEXT), "RAW_TEXT");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_EQ(text.find_last_not_of("\r\n"), text.rfind('}'));
}

}  // namespace
}  // namespace vorrith
