// The saver window: class, creation per mode, message loop, and the host's routing of
// its messages.
#include "win32/saver_host_win32.h"

#include "resources/resource_ids.h"
#include "win32/cursor_win32.h"
#include "win32/host_instance_win32.h"
#include "win32/rules/host_routing.h"
#include "win32/rules/window_messages.h"
#include "win32/saver_proc_win32.h"

namespace vorrith {
namespace {

static_assert(msg::kVerifyPassword == WM_APP && msg::kPowerBroadcast == WM_POWERBROADCAST &&
                  msg::kContextMenu == WM_CONTEXTMENU && msg::kHelp == WM_HELP && msg::kPower == WM_POWER,
              "message numbers of the decisions match the platform's");
static_assert(kPowerStatusChange == PBT_APMPOWERSTATUSCHANGE && kPowerSettingChange == PBT_POWERSETTINGCHANGE,
              "power events of the decisions match the platform's");
static_assert(kScScreenSave == SC_SCREENSAVE && kScNextWindow == SC_NEXTWINDOW && kScPrevWindow == SC_PREVWINDOW,
              "system commands match the platform's");

constexpr char kSaverClassName[] = "WindowsScreenSaverClass";
constexpr char kFullScreenTitle[] = "Screen Saver";
constexpr char kPreviewTitle[] = "Preview";

// ImmAssociateContext of an already loaded IMM32.DLL, so that no input-method window
// opens over the saver; the window's previous context is given back when it closes.
using ImmAssociateContextFunction = HANDLE(WINAPI*)(HWND, HANDLE);
ImmAssociateContextFunction immAssociateContext = nullptr;
HANDLE savedInputContext = nullptr;

HWND previewParent = nullptr;

// One full-screen saver per session, known by a mutex of its own name (the standard
// saver class and title are shared by every saver). Systems without session namespaces
// refuse the "Local\\" prefix; the bare name serves there. The handle is kept for the
// process's life: the system releases it as the process ends, however it ends.
constexpr char kSingleSaverMutex[] = "Local\\VorrithSaver";
constexpr char kSingleSaverMutexBare[] = "VorrithSaver";

bool ClaimSingleSaver() {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, kSingleSaverMutex);
    if (mutex == nullptr) mutex = CreateMutexA(nullptr, FALSE, kSingleSaverMutexBare);
    return mutex == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
}

class Win32HostPlatform : public SaverHostPlatform {
public:
    explicit Win32HostPlatform(HWND window) : window_(window) {}
    void PostClose() override { PostMessageA(window_, WM_CLOSE, 0, 0); }
    void HideCursor() override { SetCursor(nullptr); }
    CursorPoint CursorPosition() override { return CursorOnScreen(); }
    void RemovePendingTimers() override {
        MSG pending;
        PeekMessageA(&pending, window_, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
    }
    bool SendVerifyRequest() override { return SendMessageA(window_, WM_APP, 0, 0) != 0; }

private:
    HWND window_;
};

void DetachInputMethod(HWND hwnd) {
    const HMODULE imm = GetModuleHandleA("IMM32.DLL");
    if (imm == nullptr) return;
    const FARPROC associate = GetProcAddress(imm, "ImmAssociateContext");
    if (associate == nullptr) return;
    immAssociateContext = reinterpret_cast<ImmAssociateContextFunction>(reinterpret_cast<void (*)()>(associate));
    savedInputContext = immAssociateContext(hwnd, nullptr);
}

void RestoreInputMethod(HWND hwnd) {
    if (immAssociateContext != nullptr && savedInputContext != nullptr) immAssociateContext(hwnd, savedInputContext);
}

void OnHostCreate(HWND hwnd) {
    DetachInputMethod(hwnd);
    if (!HostState().previewMode) SetCursor(nullptr);
}

// The display settings' window, which owns the preview, answers help and context-menu
// requests for it. WM_HELP's lParam points at a HELPINFO in this process, which only a
// sent message carries across (posting it fails); the time limit keeps a hung parent
// from hanging the preview.
constexpr UINT kHelpSendTimeoutMs = 2000;

void ForwardToParent(UINT message, LPARAM lParam, bool send) {
    if (previewParent == nullptr || !IsWindow(previewParent)) return;
    const WPARAM parent = reinterpret_cast<WPARAM>(previewParent);
    if (send) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(previewParent, message, parent, lParam, SMTO_ABORTIFHUNG, kHelpSendTimeoutMs, &ignored);
    } else {
        PostMessageA(previewParent, message, parent, lParam);
    }
}

WNDCLASSA SaverWindowClass() {
    WNDCLASSA saverClass{};
    // No CS_OWNDC: the render thread draws through device contexts of its own, which a
    // paint on this thread must not share.
    saverClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    saverClass.lpfnWndProc = HostWindowProc;
    saverClass.hInstance = HostInstance();
    saverClass.hIcon = LoadIconA(HostInstance(), MAKEINTRESOURCEA(IDI_VORRITH));
    saverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    saverClass.lpszClassName = kSaverClassName;
    return saverClass;
}

HWND CreateSaverWindow(HWND parent, const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (parent != nullptr) {
        return CreateWindowExA(0, kSaverClassName, kPreviewTitle, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width,
                               height, parent, nullptr, HostInstance(), nullptr);
    }
    return CreateWindowExA(WS_EX_TOPMOST, kSaverClassName, kFullScreenTitle,
                           WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, area.left, area.top, width,
                           height, nullptr, nullptr, HostInstance(), nullptr);
}

// Until WM_QUIT; its wParam is the result.
int RunMessageLoop() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int RunSaverWindow(HWND parent) {
    const WNDCLASSA saverClass = SaverWindowClass();
    RECT area{};
    if (parent != nullptr) {
        GetClientRect(parent, &area);
        HostState().previewMode = true;
        previewParent = parent;
    } else {
        const HDC screen = GetDC(nullptr);
        GetClipBox(screen, &area);
        ReleaseDC(nullptr, screen);
        if (!ClaimSingleSaver()) return 0;
        Passwords().LoadPasswordVerifier();
    }
    HostState().queryCancelAutoPlayMsg = HostState().win9xFamily ? RegisterWindowMessageA("QueryCancelAutoPlay") : 0;
    const HWND window = RegisterClassA(&saverClass) != 0 ? CreateSaverWindow(parent, area) : nullptr;
    int result = kModeFailed;
    if (window != nullptr) {
        if (parent == nullptr) SetForegroundWindow(window);
        result = RunMessageLoop();
    }
    Passwords().UnloadPasswordVerifier();
    return result;
}

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        OnHostCreate(hwnd);
    } else if (message == WM_DESTROY) {
        RestoreInputMethod(hwnd);
        PostQuitMessage(0);
    }
    const HostDecision decision = RouteHostMessage(message, wParam, HostState());
    if (decision.hideCursor) SetCursor(nullptr);
    if (decision.yieldFirst) Sleep(0);
    switch (decision.route) {
    case HostRoute::kDefWindowProc: return DefWindowProcA(hwnd, message, wParam, lParam);
    case HostRoute::kReturnZero: return 0;
    case HostRoute::kPostToParent:
    case HostRoute::kSendToParent:
        ForwardToParent(message, lParam, decision.route == HostRoute::kSendToParent);
        return 1;
    case HostRoute::kSaverProc: break;
    }
    return SaverProc(hwnd, message, wParam, lParam);
}

LRESULT DefaultSaverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32HostPlatform platform(hwnd);
    DefaultSaverHandling handling(HostState(), platform, Passwords());
    const MessageOutcome outcome = handling.Handle(message, wParam, reinterpret_cast<uintptr_t>(hwnd));
    return outcome.handled ? outcome.result : DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace vorrith
