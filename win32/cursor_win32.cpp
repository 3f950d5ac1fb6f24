#include "win32/cursor_win32.h"

#include <windows.h>

namespace vorrith {

CursorPoint CursorOnScreen() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return {cursor.x, cursor.y};
}

}  // namespace vorrith
