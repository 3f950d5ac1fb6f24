// SIGTERM and SIGINT end the saver promptly and cleanly: the handler sets the stop bit of
// the control word (which the render loop checks at every step and the scene driver
// between layers) and makes a pipe readable, so that a wait for the next frame ends at
// once. SIGPIPE is ignored: a lost X connection is reported by Xlib instead.
#pragma once

#include "scene/scene_driver.h"

namespace vorrith {

// Installs the handlers; false (errno set) when the pipe cannot be made.
bool StopOnSignals(ControlWord& control);

// Readable once SIGTERM or SIGINT arrived; -1 before StopOnSignals.
int StopSignalFd();

}  // namespace vorrith
