// Where the cursor is, in screen coordinates (physical pixels, the program being
// DPI-aware): what the saver's mouse rules measure moves with.
#pragma once

#include "saver/input_event.h"

namespace vorrith {

CursorPoint CursorOnScreen();

}  // namespace vorrith
