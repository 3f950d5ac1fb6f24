// DispatchMode: one mode per process, chosen by the command line's argument text.
#include "win32/config_dialog_win32.h"
#include "win32/host_instance_win32.h"
#include "win32/rules/command_line.h"
#include "win32/saver_host_win32.h"

namespace vorrith {
namespace {

bool IsWin9xFamily() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

HWND ExistingWindow(uintptr_t number) {
    const HWND window = reinterpret_cast<HWND>(number);
    return (window != nullptr && IsWindow(window)) ? window : nullptr;
}

HWND WindowOrForeground(uintptr_t number) {
    const HWND window = ExistingWindow(number);
    return window != nullptr ? window : GetForegroundWindow();
}

int ChangePassword(uintptr_t owner) {
    if (!HostState().win9xFamily) return kModeFailed;
    Passwords().ChangeSaverPassword(reinterpret_cast<uintptr_t>(WindowOrForeground(owner)));
    return 0;
}

int RunPreview(uintptr_t parentNumber) {
    const HWND parent = ExistingWindow(parentNumber);
    return parent != nullptr ? RunSaverWindow(parent) : kModeFailed;
}

}  // namespace

int DispatchMode(HINSTANCE instance, const char* arguments) {
    SetHostInstance(instance);
    HostState().win9xFamily = IsWin9xFamily();
    const ModeRequest request = ParseModeRequest(arguments);
    switch (request.mode) {
    case SaverMode::kConfigure: return ShowConfigDialog(nullptr);
    case SaverMode::kConfigureOwned: return ShowConfigDialog(WindowOrForeground(request.window));
    case SaverMode::kFullScreen: return RunSaverWindow(nullptr);
    case SaverMode::kPreview: return RunPreview(request.window);
    case SaverMode::kChangePassword: return ChangePassword(request.window);
    case SaverMode::kUnknown: break;
    }
    return kModeFailed;
}

}  // namespace vorrith
