#include "tests/e2e/config_dialog_support.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace vorrith::e2e {

ConfigDialog OpenConfigDialog(const std::string& saver) {
    ConfigDialog dialog;
    dialog.program = StartSaver("/c", saver);
    if (dialog.program.process == nullptr) return dialog;
    dialog.window = WaitForWindow(kDialogClass, kStartTitle, kDialogWaitMs);
    // The title is set first when the dialog opens; it shows once sized and laid out.
    if (dialog.window != nullptr &&
        !WaitUntil([&] { return IsWindowVisible(dialog.window) != FALSE; }, kDialogWaitMs)) {
        dialog.window = nullptr;
    }
    if (dialog.window == nullptr) EndProgram(dialog.program);
    return dialog;
}

void CloseConfigDialog(ConfigDialog& dialog) {
    ClickButton(dialog.window, IDCANCEL);
    DWORD exitCode = 1;
    CHECK(WaitForExit(dialog.program, 10000, exitCode));
    CHECK(exitCode == 0);
    EndProgram(dialog.program);
}

int ImageNumberInTitle(const std::string& title) {
    int number = -1;
    char rest[64] = {};
    if (std::sscanf(title.c_str(), "Image %d - %63[^\n]", &number, rest) != 2) return -1;
    return std::string(rest) == "Vorrith 1.80" ? number : -1;
}

std::string DrawAndWaitForTitle(HWND dialog, int button, int wantedNumber) {
    ClickButton(dialog, button);
    std::string title;
    const bool drawn = WaitUntil(
        [&] {
            title = WindowText(dialog);
            const int number = ImageNumberInTitle(title);
            return number >= 0 && (wantedNumber == -1 || number == wantedNumber);
        },
        kDrawWaitMs);
    return drawn ? title : "";
}

namespace {

struct DialogSearch {
    DWORD processId;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchProcessDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<DialogSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && std::string(className) == kDialogClass && IsWindowVisible(window) &&
        WindowText(window) == search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM data) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) *reinterpret_cast<std::string*>(data) += WindowText(child);
    return TRUE;
}

}  // namespace

HWND WaitForProcessDialog(DWORD processId, const char* title, DWORD timeoutMs) {
    DialogSearch search{processId, title, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(MatchProcessDialog, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

std::string StaticTexts(HWND dialog) {
    std::string texts;
    EnumChildWindows(dialog, CollectStaticText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

HWND FocusOfThread(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

std::string AskedText(HWND control) {
    char text[1024] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &length);
    return text;
}

std::vector<BYTE> CaptureClientRows(HWND window, int width, int rows) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    // width is a multiple of 4 here, so the rows come without padding.
    return CaptureScreen({origin.x, origin.y, origin.x + width, origin.y + rows}).pixels;
}

std::vector<BYTE> BmpTopRows(const std::vector<BYTE>& file, int width, int height, int rows) {
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    if (file.size() != 54 + rowBytes * height || file[0] != 'B' || file[1] != 'M') return {};
    std::vector<BYTE> top;
    for (int row = 0; row < rows; ++row) {
        const auto start = file.begin() + static_cast<std::ptrdiff_t>(54 + rowBytes * (height - 1 - row));
        top.insert(top.end(), start, start + static_cast<std::ptrdiff_t>(rowBytes));
    }
    return top;
}

RECT ControlInClient(HWND dialog, int controlId) {
    RECT box = WindowRect(GetDlgItem(dialog, controlId));
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

void CheckRowEnd(HWND dialog, LONG rowsAbove) {
    const RECT client = ClientRect(dialog);
    const RECT about = ControlInClient(dialog, IDC_ABOUT);
    const RECT button = ControlInClient(dialog, IDC_SET_WALLPAPER);
    const RECT choice = ControlInClient(dialog, IDC_CHANGE_DISPLAY_MODE);
    CHECK(about.top > rowsAbove && about.bottom < client.bottom);
    for (const RECT& box : {button, choice}) {
        CHECK(box.left > about.right || box.bottom < about.top);  // right of About, or above the row
        CHECK(box.right < client.right);
        CHECK(box.top >= rowsAbove && box.bottom <= client.bottom);
    }
    RECT overlap{};
    CHECK(!IntersectRect(&overlap, &button, &choice));
}

std::vector<BYTE> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ReferenceBmpName(int imageNumber) { return "reference-" + std::to_string(imageNumber) + ".bmp"; }

}  // namespace vorrith::e2e
