// Carries out a checked vorrith-render command line: describes a plan, or draws the
// pictures in worker processes and writes each safely, or makes a contact sheet of them.
#pragma once

#include "cli/options/render_options.h"

namespace vorrith {

// Writes on the standard output and error. Returns the process exit code: 0; 1 after
// one-line errors; 128 + the signal when interrupted by SIGINT or SIGTERM.
int RunRenderJob(const RenderOptions& options, bool showProgress);

}  // namespace vorrith
