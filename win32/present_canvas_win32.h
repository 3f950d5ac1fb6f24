// PresentCanvas: stretches the whole canvas onto dest, a rectangle in the window's
// client coordinates, with one StretchDIBits call. The caller sets the stretch mode.
#pragma once

#include <windows.h>

namespace vorrith {

void PresentCanvas(HDC hdc, const RECT& dest);

}  // namespace vorrith
