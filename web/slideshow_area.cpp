#include "web/slideshow_area.h"

#include <cstdint>

namespace vorrith {

ScreenRect LargestPictureRect(int32_t screenWidth, int32_t screenHeight) {
    if (screenWidth <= 0 || screenHeight <= 0) return {0, 0, 0, 0};
    // 64-bit products: screen sizes times 4 stay exact whatever the page reports.
    const int64_t w = screenWidth;
    const int64_t h = screenHeight;
    const bool wider = w * 3 >= h * 4;
    const int32_t width = static_cast<int32_t>(wider ? h * 4 / 3 : w);
    const int32_t height = static_cast<int32_t>(wider ? h : w * 3 / 4);
    const int32_t left = (screenWidth - width) / 2;
    const int32_t top = (screenHeight - height) / 2;
    return {left, top, left + width, top + height};
}

ScreenRect OffsetRect(const ScreenRect& rect, int32_t dx, int32_t dy) {
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

}  // namespace vorrith
