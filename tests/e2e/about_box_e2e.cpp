// The About box opens from the configuration dialog with the About text in its
// rich-text control, keeps its buttons in the bottom right corner when enlarged, and
// closes with OK, leaving the configuration dialog open.
#include "tests/e2e/config_dialog_support.h"

using namespace vorrith::e2e;

namespace {

RECT ClientRectOf(HWND control, HWND parent) {
    RECT box = WindowRect(control);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

void CheckLayoutAfterEnlarging(HWND about) {
    SetWindowPos(about, nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
    const RECT client = ClientRect(about);
    const RECT ok = ClientRectOf(GetDlgItem(about, IDCANCEL), about);
    const RECT web = ClientRectOf(GetDlgItem(about, IDC_VISIT_WEB_SITE), about);
    const RECT text = ClientRectOf(GetDlgItem(about, IDC_ABOUT_TEXT), about);
    const int height = ok.bottom - ok.top;
    CHECK(client.right > 600);
    CHECK(ok.right == client.right - height / 2);
    CHECK(ok.bottom == client.bottom - height / 2);
    CHECK(web.right == ok.left - height / 2);
    CHECK(web.top == ok.top && web.bottom == ok.bottom);
    CHECK(text.left == 0 && text.top == 0 && text.right == client.right);
    CHECK(text.bottom == client.bottom - 2 * height);
}

}  // namespace

E2E_SCENARIO(about_box_e2e) {
    ConfigDialog dialog = OpenConfigDialog();
    REQUIRE(dialog.window != nullptr);
    ClickButton(dialog.window, IDC_ABOUT);
    const HWND about = WaitForProcessDialog(dialog.program.processId, "About Vorrith", kDialogWaitMs);
    if (about == nullptr) EndProgram(dialog.program);
    REQUIRE(about != nullptr);

    const std::string text = AskedText(GetDlgItem(about, IDC_ABOUT_TEXT));
    CHECK(text.find("Vorrith") != std::string::npos);
    CHECK(text.find("https://vorrith.example.invalid/") != std::string::npos);
    CHECK(text.find("{\\rtf") == std::string::npos);  // shown as formatted text, not source
    CheckLayoutAfterEnlarging(about);

    ClickButton(about, IDCANCEL);
    CHECK(WaitUntil([&] { return !IsWindow(about); }, kDialogWaitMs));
    CHECK(IsWindow(dialog.window) && IsWindowEnabled(dialog.window));
    CloseConfigDialog(dialog);
}
