// Carries out a checked vorrith-render command line: renders each picture and writes
// it, replacing an existing file only with a complete new one.
#pragma once

#include <iosfwd>

#include "cli/render_options.h"

namespace vorrith {

struct RenderStreams {
    std::ostream& out;
    std::ostream& err;
    bool showProgress;  // a batch reports its progress on err
};

// Returns the process exit code: 0, or 1 after a one-line error on err.
int RunRenderJob(const RenderOptions& options, RenderStreams streams);

}  // namespace vorrith
