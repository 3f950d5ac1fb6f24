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
// right end, or wrapped to fill the room and grown about the row's middle.
DialogRect PlaceInRoom(int left, int right, const DialogRect& row, const RowControlText& text) {
    const int oneLine = text.frameWidth + text.lineWidth;
    if (oneLine <= right - left) return {right - oneLine, row.top, right, row.bottom};
    const int width = std::max(right - left, text.frameWidth);
    const int height = std::max(text.heightWrappedTo(width - text.frameWidth), row.Height());
    const int top = row.top + (row.Height() - height) / 2;
    return {right - width, top, right, top + height};
}

}  // namespace

DialogRect PlaceChoiceBox(const DialogRect& firstControl, const DialogRect& about, int clientWidth,
                          const RowControlText& text) {
    const int margin = firstControl.left;
    return PlaceInRoom(about.right + margin, clientWidth - margin, about, text);
}

namespace {

// rect moved up to end just above the row (a gap of half the margin), its height kept.
DialogRect AboveRow(const DialogRect& rect, int rowTop, int margin) {
    const int bottom = rowTop - margin / 2;
    return {rect.left, bottom - rect.Height(), rect.right, bottom};
}

}  // namespace

RowEndPlaces PlaceRowEnd(const DialogRect& firstControl, const DialogRect& about, int clientWidth,
                         const RowControlText& button, const RowControlText& choice) {
    const int margin = firstControl.left;
    const int left = about.right + margin;
    const int right = clientWidth - margin;
    const int buttonWidth = button.frameWidth + button.lineWidth;
    if (buttonWidth > right - left) {
        const DialogRect box = PlaceChoiceBox(firstControl, about, clientWidth, choice);
        const DialogRect atRight{right - buttonWidth, about.top, right, about.bottom};
        return {AboveRow(atRight, std::min(about.top, box.top), margin), box};
    }
    const DialogRect buttonPlace{left, about.top, left + buttonWidth, about.bottom};
    if (choice.frameWidth + choice.lineWidth <= right - (buttonPlace.right + margin)) {
        return {buttonPlace, PlaceInRoom(buttonPlace.right + margin, right, about, choice)};
    }
    return {buttonPlace, AboveRow(PlaceChoiceBox(firstControl, about, clientWidth, choice), about.top, margin)};
}

}  // namespace vorrith
