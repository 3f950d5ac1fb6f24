// Preview: the saver draws into a child filling a window the driver makes, hands help
// requests to it, and ends when that window closes.
#include "tests/e2e/window_driver.h"

#include <string>

using namespace vorrith::e2e;

namespace {

// The cbSize of the last WM_HELP the host received, 0 before any.
UINT helpReceivedSize = 0;

LRESULT CALLBACK PreviewHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HELP) {
        helpReceivedSize = reinterpret_cast<const HELPINFO*>(lParam)->cbSize;
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreatePreviewHost() {
    WNDCLASSA hostClass{};
    hostClass.lpfnWndProc = PreviewHostProc;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.lpszClassName = "VorrithPreviewHost";
    RegisterClassA(&hostClass);
    return CreateWindowExA(0, "VorrithPreviewHost", "Preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 240, 200,
                           nullptr, nullptr, hostClass.hInstance, nullptr);
}

}  // namespace

E2E_SCENARIO(preview_e2e) {
    const HWND host = CreatePreviewHost();
    REQUIRE(host != nullptr);
    Program saver = StartSaver("/p " + std::to_string(reinterpret_cast<uintptr_t>(host)));
    REQUIRE(saver.process != nullptr);
    const HWND preview = WaitForChildWindow(host, "WindowsScreenSaverClass", "Preview", 10000);
    if (preview == nullptr) EndProgram(saver);
    REQUIRE(preview != nullptr);

    const RECT hostClient = ClientRect(host);
    const RECT previewArea = WindowRect(preview);
    CHECK(previewArea.right - previewArea.left == hostClient.right);
    CHECK(previewArea.bottom - previewArea.top == hostClient.bottom);
    // F1 in the preview asks the display settings for help: WM_HELP reaches the host,
    // HELPINFO and all.
    HELPINFO help{};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_WINDOW;
    help.hItemHandle = preview;
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(preview, WM_HELP, 0, reinterpret_cast<LPARAM>(&help), SMTO_NORMAL, 5000, &answer);
    CHECK(helpReceivedSize == sizeof help);

    PostKey(preview, VK_SPACE);  // input never ends a preview
    Pause(500);
    DWORD exitCode = 1;
    CHECK(!WaitForExit(saver, 0, exitCode));

    DestroyWindow(host);
    CHECK(WaitForExit(saver, 10000, exitCode));
    CHECK(exitCode == 0);
    EndProgram(saver);
}
