// vorrith-saver's run on an X display: opens the display and the window, numbers the
// pictures for the monitor the window sits on, and runs the render loop until the stop
// bit (a signal, the window's end, a key in its own window).
#pragma once

#include <string>

#include "present/render_runner.h"
#include "xsaver/saver_options.h"

namespace vorrith {

// Returns the exit status: 0 after a stop, 1 with a one-line error in `error`.
int RunXSaver(const SaverOptions& options, const TargetChoice& choice, RenderParams& params, std::string& error);

}  // namespace vorrith
