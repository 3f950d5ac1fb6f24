// Which monitor a saver's window sits on, when one saver runs per monitor: the index of
// the first monitor that holds the window's centre, 0 when none does (a layout that is
// not known). Monitors and window in the same coordinates.
#pragma once

#include <vector>

#include "present/render_geometry.h"

namespace vorrith {

int MonitorIndexOf(const ScreenRect& window, const std::vector<ScreenRect>& monitors);

}  // namespace vorrith
