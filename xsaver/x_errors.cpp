#include "xsaver/x_errors.h"

#include <unistd.h>

namespace vorrith {
namespace {

Window savedWindow = 0;
bool windowGone = false;
std::string report;
int trapDepth = 0;
bool trapped = false;

int RecordError(Display* display, XErrorEvent* error) {
    if (trapDepth > 0) {
        trapped = true;
    } else if (error->resourceid == savedWindow &&
               (error->error_code == BadWindow || error->error_code == BadDrawable)) {
        windowGone = true;
    } else if (report.empty()) {
        char text[160];
        XGetErrorText(display, error->error_code, text, sizeof text);
        report = std::string(text) + " (request " + std::to_string(error->request_code) + "." +
                 std::to_string(error->minor_code) + ")";
    }
    return 0;
}

// Xlib ends the process when this returns, so it ends it itself, with a line of its own.
int ConnectionLost(Display*) {
    static const char message[] = "vorrith-saver: the connection to the X display was lost\n";
    if (write(STDERR_FILENO, message, sizeof message - 1) < 0) {
        // nothing more can be said
    }
    _exit(1);
}

}  // namespace

void RecordXErrors(Window window) {
    savedWindow = window;
    XSetErrorHandler(RecordError);
    XSetIOErrorHandler(ConnectionLost);
}

bool XWindowGone() { return windowGone; }

std::string XErrorReport() { return report; }

XErrorTrap::XErrorTrap(Display* display) : display_(display) {
    XSync(display_, False);  // earlier requests' errors are not this trap's
    ++trapDepth;
    trapped = false;
}

XErrorTrap::~XErrorTrap() { --trapDepth; }

bool XErrorTrap::Caught() {
    XSync(display_, False);
    return trapped;
}

}  // namespace vorrith
