#include "saver/config_layout.h"

#include <algorithm>

#include "core/canvas.h"

namespace vorrith {

WindowPlacement PlaceConfigDialog(const DialogRect& workArea, const DialogRect& window,
                                  const DialogRect& client) {
    const int width = std::max(window.Width() - client.Width() + kPictureWidth, window.Width());
    const int height = std::max(window.Height() - client.Height() + kPictureHeight, window.Height());
    const int x = workArea.left + (workArea.Width() - width) / 2;
    const int y = std::max(workArea.top + (workArea.Height() - height) / 2, workArea.top);
    return {x, y, width, height};
}

int ControlTopAtBottom(int controlBottom) { return kPictureHeight - controlBottom; }

}  // namespace vorrith
