// The monitors as the system reports them, in screen coordinates (physical pixels, the
// program being DPI-aware), and the virtual screen that holds them all.
#pragma once

#include <windows.h>

#include <vector>

#include "present/render_geometry.h"

namespace vorrith {

std::vector<ScreenRect> MonitorRectsOnScreen();

// The rectangle covering every monitor; the system's virtual-screen metrics when the
// monitors cannot be enumerated.
ScreenRect VirtualScreenOnScreen();

}  // namespace vorrith
