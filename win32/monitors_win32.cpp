#include "win32/monitors_win32.h"

namespace vorrith {
namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM list) {
    reinterpret_cast<std::vector<ScreenRect>*>(list)->push_back({rect->left, rect->top, rect->right, rect->bottom});
    return TRUE;
}

}  // namespace

std::vector<ScreenRect> MonitorRectsOnScreen() {
    std::vector<ScreenRect> monitors;
    if (!EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors))) monitors.clear();
    return monitors;
}

ScreenRect VirtualScreenOnScreen() {
    const std::vector<ScreenRect> monitors = MonitorRectsOnScreen();
    if (!monitors.empty()) return VirtualScreenRect(monitors.data(), static_cast<int>(monitors.size()));
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

}  // namespace vorrith
