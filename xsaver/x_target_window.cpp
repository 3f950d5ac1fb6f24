#include "xsaver/x_target_window.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xinerama.h>

#include <cstdio>

#include "xsaver/x_errors.h"

namespace vorrith {
namespace {

constexpr long kFollowedEvents = StructureNotifyMask | ExposureMask;
constexpr unsigned kOwnWindowWidth = 800;
constexpr unsigned kOwnWindowHeight = 600;

std::string HexId(Window window) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%lx", window);
    return text;
}

// Asks the window manager to show the window over the whole screen when it maps it.
void AskForFullScreen(Display* display, Window window) {
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    XChangeProperty(display, window, state, XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&fullScreen),
                    1);
}

Window CreateOwnWindow(Display* display, bool fullScreen, XTargetWindow& target) {
    const int screen = DefaultScreen(display);
    const unsigned width = fullScreen ? static_cast<unsigned>(DisplayWidth(display, screen)) : kOwnWindowWidth;
    const unsigned height = fullScreen ? static_cast<unsigned>(DisplayHeight(display, screen)) : kOwnWindowHeight;
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, width, height, 0,
                                              BlackPixel(display, screen), BlackPixel(display, screen));
    XStoreName(display, window, "Vorrith");
    XClassHint hint{const_cast<char*>("vorrith-saver"), const_cast<char*>("Vorrith")};
    XSetClassHint(display, window, &hint);
    target.deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &target.deleteWindow, 1);
    if (fullScreen) AskForFullScreen(display, window);
    XSelectInput(display, window, kFollowedEvents | KeyPressMask);
    XMapRaised(display, window);
    return window;
}

}  // namespace

bool OpenTargetWindow(Display* display, const TargetChoice& choice, bool fullScreen, XTargetWindow& target,
                      std::string& error) {
    const Window root = DefaultRootWindow(display);
    target.root = choice.target == DrawTarget::kRoot;
    target.own = choice.target == DrawTarget::kOwnWindow;
    target.window = target.own ? CreateOwnWindow(display, fullScreen, target) : target.root ? root : choice.windowId;
    XWindowAttributes attributes{};
    bool found = false;
    {
        XErrorTrap trap(display);
        found = XGetWindowAttributes(display, target.window, &attributes) != 0;
        found = !trap.Caught() && found;
    }
    if (!found) {
        error = "there is no window " + HexId(target.window) + " on the display";
        return false;
    }
    // Another client may select these on the same window; only button presses are
    // exclusive, and they are not asked for.
    if (!target.own) XSelectInput(display, target.window, kFollowedEvents);
    target.visual = attributes.visual;
    target.depth = attributes.depth;
    target.width = attributes.width;
    target.height = attributes.height;
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display, target.window, root, 0, 0, &x, &y, &child);
    target.onScreen = {x, y, x + attributes.width, y + attributes.height};
    return true;
}

std::vector<ScreenRect> XMonitorRects(Display* display) {
    std::vector<ScreenRect> monitors;
    int events = 0, errors = 0, count = 0;
    if (!XineramaQueryExtension(display, &events, &errors) || !XineramaIsActive(display)) return monitors;
    XineramaScreenInfo* screens = XineramaQueryScreens(display, &count);
    for (int i = 0; i < count; ++i) {
        const XineramaScreenInfo& s = screens[i];
        monitors.push_back({s.x_org, s.y_org, s.x_org + s.width, s.y_org + s.height});
    }
    if (screens != nullptr) XFree(screens);
    return monitors;
}

}  // namespace vorrith
