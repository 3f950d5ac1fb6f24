// X errors arrive later than the request that caused them, through one process-wide
// handler, and Xlib's default handler ends the process. Here they are recorded instead:
// an error about the saver's window means the window is gone (destroyed between two
// frames), any other one is reported and ends the saver at its next wait. A trap takes
// the errors of a request that may fail by design (attaching shared memory). A lost
// connection ends the process at once with one line on standard error.
#pragma once

#include <X11/Xlib.h>

#include <string>

namespace vorrith {

// window: the window the saver draws into; its errors mean it was destroyed.
void RecordXErrors(Window window);

// True once the window was found destroyed through an error.
bool XWindowGone();
// The first error about anything else, or "".
std::string XErrorReport();

// Takes every X error from its construction to Caught(), which syncs with the server.
class XErrorTrap {
public:
    explicit XErrorTrap(Display* display);
    ~XErrorTrap();
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;
    bool Caught();

private:
    Display* display_;
};

}  // namespace vorrith
