#include "saver/monitor_index.h"

#include <cstddef>

namespace vorrith {

// 64-bit sums: a window far out on a large virtual screen must not overflow its centre.
int MonitorIndexOf(const ScreenRect& window, const std::vector<ScreenRect>& monitors) {
    const int64_t x = (int64_t{window.left} + window.right) / 2;
    const int64_t y = (int64_t{window.top} + window.bottom) / 2;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const ScreenRect& m = monitors[i];
        if (x >= m.left && x < m.right && y >= m.top && y < m.bottom) return static_cast<int>(i);
    }
    return 0;
}

}  // namespace vorrith
