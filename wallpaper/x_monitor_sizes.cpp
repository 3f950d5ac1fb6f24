// The Xlib side of monitor_sizes.h.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include "wallpaper/monitor_sizes.h"

namespace vorrith {
namespace {

// An X error (a server without the request it was sent) ends no process: the answer is
// then simply missing.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

std::vector<PictureSize> RandrMonitors(Display* display) {
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase) || !XRRQueryVersion(display, &major, &minor) ||
        (major == 1 && minor < 5)) {
        return {};
    }
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
    std::vector<PictureSize> sizes;
    for (int i = 0; monitors && i < count; ++i) {
        if (monitors[i].width > 0 && monitors[i].height > 0) sizes.push_back({monitors[i].width, monitors[i].height});
    }
    if (monitors) XRRFreeMonitors(monitors);
    return sizes;
}

}  // namespace

std::vector<PictureSize> XMonitorSizes() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return {};
    XErrorHandler previous = XSetErrorHandler(IgnoreXError);
    std::vector<PictureSize> sizes = RandrMonitors(display);
    if (sizes.empty()) {
        const int screen = DefaultScreen(display);
        sizes.push_back({DisplayWidth(display, screen), DisplayHeight(display, screen)});
    }
    XSync(display, False);
    XSetErrorHandler(previous);
    XCloseDisplay(display);
    return sizes;
}

}  // namespace vorrith
