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

namespace {

// A control in the room left ... right, as tall as the row: on one line at the room's
// right or left end, or wrapped to fill the room and grown about the row's middle.
DialogRect PlaceInRoom(int left, int right, const DialogRect& row, const RowControlText& text, bool atRight) {
    const int oneLine = text.frameWidth + text.lineWidth;
    if (oneLine <= right - left) {
        return atRight ? DialogRect{right - oneLine, row.top, right, row.bottom}
                       : DialogRect{left, row.top, left + oneLine, row.bottom};
    }
    const int width = std::max(right - left, text.frameWidth);
    const int height = std::max(text.heightWrappedTo(width - text.frameWidth), row.Height());
    const int top = row.top + (row.Height() - height) / 2;
    return {right - width, top, right, top + height};
}

}  // namespace

DialogRect PlaceChoiceBox(const DialogRect& firstControl, const DialogRect& about, int clientWidth,
                          const RowControlText& text) {
    const int margin = firstControl.left;
    return PlaceInRoom(about.right + margin, clientWidth - margin, about, text, true);
}

RowEndPlaces PlaceRowEnd(const DialogRect& firstControl, const DialogRect& about, int clientWidth,
                         const RowControlText& button, const RowControlText& choice) {
    const int margin = firstControl.left;
    const int right = clientWidth - margin;
    const DialogRect buttonPlace = PlaceInRoom(about.right + margin, right, about, button, false);
    if (choice.frameWidth + choice.lineWidth <= right - (buttonPlace.right + margin)) {
        return {buttonPlace, PlaceInRoom(buttonPlace.right + margin, right, about, choice, true)};
    }
    const DialogRect inRow = PlaceChoiceBox(firstControl, about, clientWidth, choice);
    const int bottom = std::min(about.top, buttonPlace.top) - margin / 2;
    return {buttonPlace, {inRow.left, bottom - inRow.Height(), inRow.right, bottom}};
}

}  // namespace vorrith
