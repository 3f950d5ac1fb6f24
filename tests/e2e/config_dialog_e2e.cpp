// Configuration mode as a user meets it: the dialog opens titled "Vorrith 1.80" with
// 12345 typed and Save As disabled; Random Image puts a number in the title; Draw shows
// picture 12345 in the client area, exactly as the renderer draws it, and enables Save
// As; an out-of-range number is refused with a message and the picture stays.
// Leaves config-dialog-12345.bmp, a screenshot of the dialog, in the build folder.
#include "tests/e2e/config_dialog_support.h"

using namespace vorrith::e2e;

namespace {

constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 480;
// Rows of the client area above the row of controls at its bottom.
constexpr int kRowsAboveControls = 400;

void CheckStartState(HWND dialog) {
    CHECK(WindowText(dialog) == "Vorrith 1.80");
    CHECK(AskedText(GetDlgItem(dialog, IDC_IMAGE_NUMBER)) == "12345");
    CHECK(!IsControlEnabled(dialog, IDC_SAVE_AS));
    const RECT client = ClientRect(dialog);
    CHECK(client.right == kPictureWidth && client.bottom == kPictureHeight);
    RECT draw = WindowRect(GetDlgItem(dialog, IDC_DRAW));
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&draw), 2);
    CHECK(draw.top > kRowsAboveControls && draw.bottom < kPictureHeight);
}

void CheckRandomImage(HWND dialog) {
    const std::string title = DrawAndWaitForTitle(dialog, IDC_RANDOM_IMAGE, -1);
    const int number = ImageNumberInTitle(title);
    CHECK(number >= 0 && number <= 32767);
    CHECK(AskedText(GetDlgItem(dialog, IDC_IMAGE_NUMBER)) == "12345");
    CHECK(IsControlEnabled(dialog, IDC_SAVE_AS));
}

void CheckPicture12345Shown(HWND dialog) {
    CHECK(DrawAndWaitForTitle(dialog, IDC_DRAW, 12345) == "Image 12345 - Vorrith 1.80");
    CHECK(IsControlEnabled(dialog, IDC_SAVE_AS));
    const std::vector<BYTE> expected =
        BmpTopRows(ReadWholeFile(ReferenceBmpName(12345)), kPictureWidth, kPictureHeight, kRowsAboveControls);
    CHECK(!expected.empty());
    CHECK(WaitUntil([&] { return CaptureClientRows(dialog, kPictureWidth, kRowsAboveControls) == expected; }, 10000));
    CHECK(SaveScreenBmp("config-dialog-12345.bmp"));
}

void CheckOutOfRangeNumber(ConfigDialog& dialog) {
    SetControlText(dialog.window, IDC_IMAGE_NUMBER, "40000");
    ClickButton(dialog.window, IDC_DRAW);
    const HWND box = WaitForProcessDialog(dialog.program.processId, "Bad Image Number", kDialogWaitMs);
    REQUIRE(box != nullptr);
    CHECK(StaticTexts(box) == "Image number must be in the range of [0,32767].");
    ClickButton(box, IDOK);
    CHECK(WaitUntil([&] { return !IsWindow(box); }, kDialogWaitMs));
    const HWND edit = GetDlgItem(dialog.window, IDC_IMAGE_NUMBER);
    CHECK(WaitUntil([&] { return FocusOfThread(dialog.window) == edit; }, kDialogWaitMs));
    CHECK(WindowText(dialog.window) == "Image 12345 - Vorrith 1.80");
}

}  // namespace

E2E_SCENARIO(config_dialog_e2e) {
    ConfigDialog dialog = OpenConfigDialog();
    REQUIRE(dialog.window != nullptr);
    CheckStartState(dialog.window);
    CheckRandomImage(dialog.window);
    CheckPicture12345Shown(dialog.window);
    CheckOutOfRangeNumber(dialog);
    CloseConfigDialog(dialog);
}
