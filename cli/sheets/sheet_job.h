// A contact sheet: worker processes draw the pictures and their thumbnails straight into
// the shared sheet; this process then labels the cells and writes the one PNG file.
#pragma once

#include "cli/options/render_options.h"

namespace vorrith {

// The exit code, as RunRenderJob's.
int RunSheetJob(const RenderOptions& options, bool showProgress);

}  // namespace vorrith
