#include "win32/about_box_win32.h"

#include <richedit.h>
#include <shellapi.h>

#include "resources/resource_ids.h"
#include "saver/about_layout.h"
#include "saver/dialog_texts.h"
#include "win32/rules/about_text_reader.h"

namespace vorrith {
namespace {

constexpr char kNoRichEditText[] = "Unable to load RICHED32.DLL.";

HINSTANCE ModuleOf(HWND window) { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)); }

// The control reads until the callback answers non-zero.
DWORD CALLBACK ReadAboutText(DWORD_PTR cookie, LPBYTE buffer, LONG requested, LONG* transferred) {
    long count = 0;
    const bool goOn = ReadAboutChunk(*reinterpret_cast<AboutTextReader*>(cookie), buffer, requested, count);
    *transferred = count;
    return goOn ? 0 : 1;
}

// The text lives in the module that owns the dialog; without it the box stays empty.
void StreamAboutText(HWND dialog, HWND textControl) {
    const HINSTANCE module = ModuleOf(dialog);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_ABOUT_TEXT), "RAW_TEXT");
    if (found == nullptr) return;
    const void* bytes = LockResource(LoadResource(module, found));
    if (bytes == nullptr) return;
    AboutTextReader reader{static_cast<const uint8_t*>(bytes), static_cast<long>(SizeofResource(module, found)), 0};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
    stream.pfnCallback = ReadAboutText;
    SendMessageA(textControl, EM_STREAMIN, SF_RTF | SFF_PLAINRTF, reinterpret_cast<LPARAM>(&stream));
}

INT_PTR OnInitDialog(HWND dialog) {
    const HWND textControl = GetDlgItem(dialog, IDC_ABOUT_TEXT);
    SendMessageA(textControl, EM_SETBKGNDCOLOR, 0, RGB(0, 0, 0));
    StreamAboutText(dialog, textControl);
    return TRUE;
}

SIZE ControlSize(HWND control) {
    RECT box{};
    GetWindowRect(control, &box);
    return {box.right - box.left, box.bottom - box.top};
}

void MoveControl(HWND control, const ControlBox& box) {
    MoveWindow(control, box.x, box.y, box.width, box.height, TRUE);
}

// The dialog gets its first WM_SIZE before its controls exist; there is nothing to move.
INT_PTR OnSize(HWND dialog) {
    const HWND ok = GetDlgItem(dialog, IDCANCEL);
    const HWND web = GetDlgItem(dialog, IDC_VISIT_WEB_SITE);
    const HWND text = GetDlgItem(dialog, IDC_ABOUT_TEXT);
    if (ok == nullptr || web == nullptr || text == nullptr) return 0;
    RECT client{};
    GetClientRect(dialog, &client);
    const SIZE okSize = ControlSize(ok);
    const AboutBoxLayout layout =
        LayOutAboutBox(client.right, client.bottom, okSize.cx, okSize.cy, ControlSize(web).cx);
    MoveControl(ok, layout.okButton);
    MoveControl(web, layout.webButton);
    MoveControl(text, layout.text);
    return 0;
}

INT_PTR OnCommand(HWND dialog, int id) {
    if (id == IDCANCEL) {
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        return TRUE;
    }
    if (id == IDC_VISIT_WEB_SITE) {
        ShellExecuteA(nullptr, "open", kWebPageAddress, nullptr, nullptr, SW_SHOW);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void ShowAboutBox(HWND owner) {
    const HMODULE richEdit = LoadLibraryA("riched32.dll");
    if (richEdit == nullptr) {
        MessageBoxA(owner, kNoRichEditText, nullptr, MB_OK);
        return;
    }
    DialogBoxParamA(ModuleOf(owner), MAKEINTRESOURCEA(IDD_ABOUT_BOX), owner, AboutDialogProc, 0);
    FreeLibrary(richEdit);
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_SIZE: return OnSize(dialog);
    case WM_CLOSE: EndDialog(dialog, 0); return TRUE;
    case WM_COMMAND: return OnCommand(dialog, LOWORD(wParam));
    default: return FALSE;
    }
}

}  // namespace vorrith
