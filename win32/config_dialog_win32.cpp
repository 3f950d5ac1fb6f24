#include "win32/config_dialog_win32.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstddef>
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "core/bmp_writer.h"
#include "resources/resource_ids.h"
#include "saver/config_layout.h"
#include "saver/dialog_texts.h"
#include "saver/display_mode_setting.h"
#include "saver/picture_browser.h"
#include "win32/about_box_win32.h"
#include "win32/desktop_wallpaper_win32.h"
#include "win32/file_replacement_win32.h"
#include "win32/host_instance_win32.h"
#include "win32/present_canvas_win32.h"
#include "win32/rules/save_file_filter.h"
#include "win32/settings_store_win32.h"
#include "win32/window_dpi_win32.h"

namespace vorrith {
namespace {

constexpr int kTextBufferSize = 260;
constexpr int kTitleBufferSize = 100;

std::string LoadProgramString(UINT id, int bufferSize) {
    std::string text(static_cast<size_t>(bufferSize), '\0');
    const int length = LoadStringA(HostInstance(), id, text.data(), bufferSize);
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return text;
}

DialogRect ToDialogRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// The scale the picture was laid out at: the dialog's DPI, or less where that would not
// fit the monitor.
int pictureDpi = kBaseDpi;

// The work area of the monitor the dialog is on, which need not be the primary.
DialogRect WorkAreaOf(HWND dialog) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT work{};
    if (GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor)) {
        work = monitor.rcWork;
    } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    }
    return ToDialogRect(work);
}

void SizeToPicture(HWND dialog) {
    RECT window{}, client{};
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    const DialogRect work = WorkAreaOf(dialog);
    pictureDpi = PictureDpiThatFits(work, ToDialogRect(window), ToDialogRect(client), WindowDpi(dialog));
    const WindowPlacement place = PlaceConfigDialog(work, ToDialogRect(window), ToDialogRect(client), pictureDpi);
    SetWindowPos(dialog, nullptr, place.x, place.y, place.width, place.height, SWP_NOZORDER | SWP_NOREDRAW);
}

// Each control's place in the template, in client pixels at the DPI the dialog was
// created at: every layout starts from these, so that a DPI change the system has
// already scaled the controls for is never applied twice.
struct TemplatePlaces {
    int dpi = kBaseDpi;
    std::vector<std::pair<HWND, RECT>> controls;
};
TemplatePlaces templatePlaces;

void RecordTemplatePlaces(HWND dialog) {
    templatePlaces = {WindowDpi(dialog), {}};
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT box{};
        GetWindowRect(child, &box);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
        templatePlaces.controls.emplace_back(child, box);
    }
}

// The template puts the row of controls at the top; the picture takes the client area
// and the row sits at its bottom instead, at the dialog's present DPI.
void MoveControlsToBottom(HWND dialog) {
    const int dpi = WindowDpi(dialog);
    for (const auto& [child, place] : templatePlaces.controls) {
        const auto scaled = [&](LONG pixels) { return MulDiv(pixels, dpi, templatePlaces.dpi); };
        const int height = scaled(place.bottom - place.top);
        MoveWindow(child, scaled(place.left), ControlTopAtBottom(scaled(place.bottom), pictureDpi),
                   scaled(place.right - place.left), height, FALSE);
    }
}

DialogRect RectInClient(HWND dialog, HWND control) {
    RECT box{};
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    return ToDialogRect(box);
}

// What a check box and a push button add to their texts' widths, in dialog units, so
// that it scales with the font and the DPI: the mark and the space before the text;
// the edges and the space inside them.
constexpr int kCheckMarkDialogUnits = 12;
constexpr int kButtonEdgeDialogUnits = 8;

// A control's text measured in the font it draws with: fonts differ between systems,
// and the room right of About is tight.
class RowTextMeasure {
public:
    RowTextMeasure(HWND dialog, int id) : dialog_(dialog), control_(GetDlgItem(dialog, id)), dc_(GetDC(control_)) {
        GetWindowTextA(control_, label_, sizeof label_);
        oldFont_ = SelectObject(dc_, reinterpret_cast<HGDIOBJ>(SendMessageA(control_, WM_GETFONT, 0, 0)));
    }
    ~RowTextMeasure() {
        SelectObject(dc_, oldFont_);
        ReleaseDC(control_, dc_);
    }
    RowTextMeasure(const RowTextMeasure&) = delete;
    RowTextMeasure& operator=(const RowTextMeasure&) = delete;

    // The text beside a frame of the given dialog units.
    RowControlText Text(int frameUnits) {
        RECT frame{0, 0, frameUnits, 0};
        MapDialogRect(dialog_, &frame);
        RECT line{};
        DrawTextA(dc_, label_, -1, &line, DT_CALCRECT | DT_SINGLELINE);
        return {frame.right, line.right, [this](int width) {
                    RECT wrapped{0, 0, width, 0};
                    DrawTextA(dc_, label_, -1, &wrapped, DT_CALCRECT | DT_WORDBREAK);
                    return static_cast<int>(wrapped.bottom);
                }};
    }

private:
    HWND dialog_;
    HWND control_;
    HDC dc_;
    HGDIOBJ oldFont_ = nullptr;
    char label_[64] = "";
};

void MoveTo(HWND control, const DialogRect& place) {
    MoveWindow(control, place.left, place.top, place.Width(), place.Height(), FALSE);
}

// The wallpaper button and the display-mode choice right of About.
void ArrangeRowEnd(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    RowTextMeasure button(dialog, IDC_SET_WALLPAPER);
    RowTextMeasure choice(dialog, IDC_CHANGE_DISPLAY_MODE);
    const RowEndPlaces places = PlaceRowEnd(RectInClient(dialog, GetWindow(dialog, GW_CHILD)),
                                            RectInClient(dialog, GetDlgItem(dialog, IDC_ABOUT)), client.right,
                                            button.Text(kButtonEdgeDialogUnits), choice.Text(kCheckMarkDialogUnits));
    MoveTo(GetDlgItem(dialog, IDC_SET_WALLPAPER), places.wallpaperButton);
    MoveTo(GetDlgItem(dialog, IDC_CHANGE_DISPLAY_MODE), places.choiceBox);
}

void LayOut(HWND dialog) {
    SizeToPicture(dialog);
    MoveControlsToBottom(dialog);
    ArrangeRowEnd(dialog);
}

// Moved to a monitor of another DPI: the window takes the rectangle the system proposes
// there, then the picture, its scale and the row are laid out afresh for the new DPI and
// that monitor's work area.
INT_PTR OnDpiChanged(HWND dialog, LPARAM proposed) {
    const RECT& place = *reinterpret_cast<const RECT*>(proposed);
    SetWindowPos(dialog, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut(dialog);
    InvalidateRect(dialog, nullptr, TRUE);
    return TRUE;
}

INT_PTR OnInitDialog(HWND dialog) {
    InitCommonControls();
    SetWindowTextA(dialog, LoadProgramString(IDS_DIALOG_TITLE, kTextBufferSize).c_str());
    RecordTemplatePlaces(dialog);
    LayOut(dialog);
    SendDlgItemMessageA(dialog, IDC_IMAGE_NUMBER, EM_LIMITTEXT, kImageNumberMaxDigits, 0);
    SetDlgItemTextA(dialog, IDC_IMAGE_NUMBER, kStartImageText);
    RegistrySettingsStore settings;
    CheckDlgButton(dialog, IDC_CHANGE_DISPLAY_MODE, ReadChangeDisplayMode(settings) ? BST_CHECKED : BST_UNCHECKED);
    OpenPictureBrowser();
    return TRUE;
}

void ShowDrawnPicture(HWND dialog, int imageNumber) {
    const std::string pattern = LoadProgramString(IDS_IMAGE_TITLE, kTitleBufferSize);
    SetWindowTextA(dialog, FormatImageTitle(pattern, imageNumber).c_str());
    EnableWindow(GetDlgItem(dialog, IDC_SAVE_AS), TRUE);
    EnableWindow(GetDlgItem(dialog, IDC_SET_WALLPAPER), TRUE);
    InvalidateRect(dialog, nullptr, FALSE);
}

// Drawing blocks the dialog's thread until the picture is complete. Without a canvas
// (memory was short when the dialog opened, and still is) nothing is drawn.
INT_PTR DrawPicture(HWND dialog, int imageNumber) {
    if (!EnsureBrowserCanvas()) {
        MessageBoxA(dialog, kNoCanvasText, kNoCanvasCaption, MB_OK | MB_ICONERROR);
        return TRUE;
    }
    const HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    const int drawn = DrawBrowserPicture(imageNumber);
    SetCursor(previous);
    ShowDrawnPicture(dialog, drawn);
    return TRUE;
}

INT_PTR OnDraw(HWND dialog) {
    char text[kTextBufferSize] = "";
    GetDlgItemTextA(dialog, IDC_IMAGE_NUMBER, text, kTextBufferSize);
    const TypedDraw decision = DecideTypedDraw(text, DialogImageNumber);
    if (decision.action == TypedDrawAction::kDrawPicture) return DrawPicture(dialog, decision.imageNumber);
    if (decision.action == TypedDrawAction::kRejectNumber) {
        MessageBoxA(dialog, BadNumberText().c_str(), kBadNumberCaption, MB_OK);
        SetFocus(GetDlgItem(dialog, IDC_IMAGE_NUMBER));
    }
    return TRUE;
}

// The save dialog's structure in the size of its version-4 layout, which every
// system since accepts; the 64-bit program uses that layout's 64-bit size.
constexpr DWORD kSaveRequestSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR);
#ifndef _WIN64
static_assert(kSaveRequestSize == 76, "the 32-bit version-4 save structure is 76 bytes");
#endif
// Room for the longest path the system's wide file calls take, so that no folder the
// dialog can reach is too deep for the name to come back.
constexpr DWORD kSavePathCapacity = 32768;

// The wide dialog, so that folder names of every script come back whole; a name typed
// without an extension gets ".bmp".
SaveDialogOutcome AskSaveFileName(HWND dialog, std::wstring& fileName) {
    fileName.resize(kSavePathCapacity, L'\0');
    OPENFILENAMEW request;
    std::memset(&request, 0, sizeof request);
    request.lStructSize = kSaveRequestSize;
    request.hwndOwner = dialog;
    request.lpstrFilter = kBmpFileFilter;
    request.nFilterIndex = 1;
    request.lpstrFile = fileName.data();
    request.nMaxFile = kSavePathCapacity;
    request.lpstrDefExt = kBmpDefaultExtension;
    request.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER;
    const bool chosen = GetSaveFileNameW(&request) != 0;
    fileName.resize(std::wcslen(fileName.c_str()));
    return JudgeSaveDialog(chosen, chosen ? 0 : CommDlgExtendedError());
}

// The saving routine takes UTF-8, which carries every name the wide dialog returns.
std::string Utf8(const std::wstring& text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length > 0 ? length : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), length, nullptr, nullptr);
    narrow.resize(std::strlen(narrow.c_str()));
    return narrow;
}

INT_PTR OnSaveAs(HWND dialog) {
    if (!HasBrowserPicture()) return TRUE;
    const std::string proposed = DefaultPictureName(DialogImageNumber);
    std::wstring fileName(proposed.begin(), proposed.end());  // ASCII digits and letters
    const SaveDialogOutcome asked = AskSaveFileName(dialog, fileName);
    if (asked.action == SaveDialogAction::kCancelled) return TRUE;
    const FileReplaceResult saved = asked.action == SaveDialogAction::kSave
                                        ? SaveBrowserPicture(Utf8(fileName), ReplaceFileSafelyWin32)
                                        : FileReplaceResult{false, asked.reason};
    if (!saved.ok) {
        MessageBoxA(dialog, SaveFailedMessage(saved.reason).c_str(), kSaveFailedCaption, MB_OK | MB_TASKMODAL);
    }
    return TRUE;
}

// Making the picture at the screen's size and writing it take a moment: the wait
// cursor shows meanwhile.
INT_PTR OnSetWallpaper(HWND dialog) {
    if (!HasBrowserPicture()) return TRUE;
    const HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    const std::string failure = SetShownPictureAsWallpaper();
    SetCursor(previous);
    if (!failure.empty()) MessageBoxA(dialog, failure.c_str(), kSaveFailedCaption, MB_OK | MB_TASKMODAL);
    return TRUE;
}

// The choice is stored the moment it is toggled; if it cannot be, the box goes back to
// what is stored, so that it never shows a choice the next run will not see.
INT_PTR OnChangeDisplayModeToggled(HWND dialog) {
    RegistrySettingsStore settings;
    const bool change = IsDlgButtonChecked(dialog, IDC_CHANGE_DISPLAY_MODE) == BST_CHECKED;
    if (!WriteChangeDisplayMode(settings, change)) {
        MessageBoxA(dialog, kSettingNotStoredText, kSaveFailedCaption, MB_OK | MB_ICONWARNING);
        CheckDlgButton(dialog, IDC_CHANGE_DISPLAY_MODE, ReadChangeDisplayMode(settings) ? BST_CHECKED : BST_UNCHECKED);
    }
    return TRUE;
}

INT_PTR OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDC_DRAW: return OnDraw(dialog);
    case IDC_RANDOM_IMAGE: return DrawPicture(dialog, -1);
    case IDC_SAVE_AS: return OnSaveAs(dialog);
    case IDC_SET_WALLPAPER: return OnSetWallpaper(dialog);
    case IDC_ABOUT: ShowAboutBox(dialog); return TRUE;
    case IDC_CHANGE_DISPLAY_MODE: return OnChangeDisplayModeToggled(dialog);
    case IDCANCEL: PostMessageA(dialog, WM_CLOSE, 0, 0); return TRUE;
    default: return FALSE;
    }
}

// Until the first picture the dialog paints itself as usual.
INT_PTR OnPaint(HWND dialog) {
    if (!HasBrowserPicture()) return FALSE;
    RECT client{};
    GetClientRect(dialog, &client);
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(dialog, &paint);
    if (dc == nullptr) return FALSE;
    PresentCanvas(dc, client);
    EndPaint(dialog, &paint);
    return TRUE;
}

INT_PTR OnClose(HWND dialog) {
    ClosePictureBrowser();
    EndDialog(dialog, 0);
    return TRUE;
}

}  // namespace

int ShowConfigDialog(HWND owner) {
    const HINSTANCE instance = HostInstance();
    const INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CONFIG_DIALOG), owner, ConfigDialogProc, 0);
    return static_cast<int>(result);
}

// The message of a DPI change, defined by headers for Windows 8.1 and later only.
constexpr UINT kDpiChangedMessage = 0x02E0;

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_COMMAND: return OnCommand(dialog, LOWORD(wParam));
    case WM_PAINT: return OnPaint(dialog);
    case WM_ERASEBKGND: return HasBrowserPicture() ? TRUE : FALSE;
    case WM_CLOSE: return OnClose(dialog);
    case kDpiChangedMessage: return OnDpiChanged(dialog, lParam);
    default: return FALSE;
    }
}

}  // namespace vorrith
