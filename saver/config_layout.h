// Placement of the configuration dialog: the window grows so that its client area is
// the picture, 640 x 480 scaled by the dialog's DPI (never shrinking) or less where the
// window would not fit its monitor's work area, sits centred in that work area but not
// above its top, and the row of controls moves from the top of
// the client area to its bottom. The controls scale with the dialog's font on their
// own, so at 150 % the dialog looks as at 100 %, only larger.
#pragma once

#include <functional>

namespace vorrith {

constexpr int kBaseDpi = 96;  // 100 %

// pixels at 100 % scaled to dpi, rounded to the nearest pixel.
int ScaleToDpi(int pixels, int dpi);

struct DialogRect {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct WindowPlacement {
    int x, y, width, height;
};

WindowPlacement PlaceConfigDialog(const DialogRect& workArea, const DialogRect& window, const DialogRect& client,
                                  int dpi = kBaseDpi);

// The picture's scale, as a DPI up to dpi, at which the whole window (frame, caption
// and picture) fits the work area of its monitor: the largest that does, and no less
// than kSmallestPictureDpi (a quarter of the picture's size) on a screen too small for
// any.
constexpr int kSmallestPictureDpi = 24;
int PictureDpiThatFits(const DialogRect& workArea, const DialogRect& window, const DialogRect& client, int dpi);

// New top of a control whose client rectangle ends at controlBottom: as far above
// the picture's bottom row as it was below the client area's top.
int ControlTopAtBottom(int controlBottom, int dpi = kBaseDpi);

// The text of a control in the row as the dialog's font draws it, in pixels.
struct RowControlText {
    int frameWidth;  // what the control adds beside its text: a check box's mark, a button's edges
    int lineWidth;   // the text on one line
    // The text's height wrapped to width.
    std::function<int(int width)> heightWrappedTo;
};

// The display-mode check box at the right end of the control row (moved to the bottom):
// its right edge as far from the picture's right edge as the row's first control is
// from the left edge, and as far from About. Its text stays on one line when that fits
// right of About; otherwise it wraps within the room there, and the box grows about
// the row's middle when the lines need more than the row's height.
DialogRect PlaceChoiceBox(const DialogRect& firstControl, const DialogRect& about, int clientWidth,
                          const RowControlText& text);

struct RowEndPlaces {
    DialogRect wallpaperButton;
    DialogRect choiceBox;
};

// The controls right of About. The wallpaper button follows About on one line, as tall
// as the row, with the display-mode box beside it where that fits on one line, else
// the box on a line of its own just above the row's right end (placed there as
// PlaceChoiceBox places it in the row). Where the button's line does not fit right of
// About (large fonts), the box keeps the row and the button takes the line above,
// at the right margin. Neither is ever wrapped and cut short: a push button's own
// line breaks differ between systems.
RowEndPlaces PlaceRowEnd(const DialogRect& firstControl, const DialogRect& about, int clientWidth,
                         const RowControlText& button, const RowControlText& choice);

}  // namespace vorrith
