// Where a picture lands in an output of another size: the words every program uses to
// ask for a wallpaper (a size, fit or fill) and the rectangle the picture then covers.
//
// Fit keeps the whole picture inside the output, centred, with black bars on the sides
// the shapes leave over; fill covers the output, centred, and crops the overhang evenly.
// The picture's shape is kept either way, to the nearest pixel.
#pragma once

namespace vorrith {

enum class FitMode { kFit, kFill };

struct PictureSize {
    int width;
    int height;
};

// The largest side of an output the programs make (a 16K wallpaper).
constexpr int kLargestOutputSide = 16384;

// true when both sides are 1 ... kLargestOutputSide.
bool IsOutputSize(PictureSize size);

// A rectangle of output pixels; left and top may be negative when a fill overhangs.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

// The picture's rectangle in the output: inside it (kFit) or covering it (kFill),
// centred (halves of an odd remainder truncated), its sides at least one pixel.
PixelRect PlacePicture(int pictureWidth, int pictureHeight, PictureSize output, FitMode mode);

}  // namespace vorrith
