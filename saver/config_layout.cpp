#include "saver/config_layout.h"

#include <algorithm>

#include "core/canvas.h"

namespace vorrith {

int ScaleToDpi(int pixels, int dpi) { return (pixels * dpi + kBaseDpi / 2) / kBaseDpi; }

WindowPlacement PlaceConfigDialog(const DialogRect& workArea, const DialogRect& window, const DialogRect& client,
                                  int dpi) {
    const int pictureWidth = ScaleToDpi(kPictureWidth, dpi);
    const int pictureHeight = ScaleToDpi(kPictureHeight, dpi);
    const int width = std::max(window.Width() - client.Width() + pictureWidth, window.Width());
    const int height = std::max(window.Height() - client.Height() + pictureHeight, window.Height());
    const int x = workArea.left + (workArea.Width() - width) / 2;
    const int y = std::max(workArea.top + (workArea.Height() - height) / 2, workArea.top);
    return {x, y, width, height};
}

int PictureDpiThatFits(const DialogRect& workArea, const DialogRect& window, const DialogRect& client, int dpi) {
    const int frameWidth = window.Width() - client.Width();
    const int frameHeight = window.Height() - client.Height();
    int pictureDpi = dpi;
    while (pictureDpi > kSmallestPictureDpi &&
           (frameWidth + ScaleToDpi(kPictureWidth, pictureDpi) > workArea.Width() ||
            frameHeight + ScaleToDpi(kPictureHeight, pictureDpi) > workArea.Height())) {
        --pictureDpi;
    }
    return pictureDpi;
}

int ControlTopAtBottom(int controlBottom, int dpi) { return ScaleToDpi(kPictureHeight, dpi) - controlBottom; }

DialogRect PlaceChoiceBox(const DialogRect& firstControl, const DialogRect& about, int clientWidth,
                          const ChoiceBoxText& text) {
    const int margin = firstControl.left;
    const int right = clientWidth - margin;
    const int roomLeft = about.right + margin;
    const int oneLine = text.markWidth + text.lineWidth;
    if (oneLine <= right - roomLeft) return {right - oneLine, about.top, right, about.bottom};
    const int width = std::max(right - roomLeft, text.markWidth);
    const int height = std::max(text.heightWrappedTo(width - text.markWidth), about.Height());
    const int top = about.top + (about.Height() - height) / 2;
    return {right - width, top, right, top + height};
}

}  // namespace vorrith
