// The window the saver draws into: one named by id (the daemon's, a desktop's), the
// root window, or a window of its own (for trying the saver), and what the saver needs
// to know of it.
#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "present/render_geometry.h"
#include "xsaver/saver_options.h"

namespace vorrith {

struct XTargetWindow {
    Window window = 0;
    bool own = false;  // created here: closes on Escape, q or the window manager's close
    bool root = false;
    Visual* visual = nullptr;
    int depth = 0;
    int width = 0;
    int height = 0;
    ScreenRect onScreen{};  // the window in root coordinates
    Atom deleteWindow = 0;  // WM_DELETE_WINDOW, for an own window
};

// Finds or creates the window and selects the events the saver follows: size changes,
// destruction, exposure, and keys and the close request for its own window. Returns
// false with a one-line error when the named window does not exist.
bool OpenTargetWindow(Display* display, const TargetChoice& choice, bool fullScreen, XTargetWindow& target,
                      std::string& error);

// The monitors of the display in root coordinates (Xinerama), empty when the server
// does not say.
std::vector<ScreenRect> XMonitorRects(Display* display);

}  // namespace vorrith
