// Where everything goes on a contact sheet: a grid of thumbnails in reading order, each
// with a strip for its image number below it, separated and framed by gaps.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vorrith {

constexpr int kSmallestThumbWidth = 40;
constexpr int kDefaultThumbWidth = 160;
constexpr int kLargestThumbWidth = 640;
constexpr int64_t kLargestSheetSide = 32768;

struct SheetLayout {
    int columns;
    int rows;
    int thumbWidth;
    int thumbHeight;    // 4:3, rounded
    int labelHeight;    // the strip under a thumbnail that holds its number
    int labelFontSize;  // pixels
    int gap;            // between cells and around the sheet
    int64_t width;      // may exceed what can be made; callers check kLargestSheetSide
    int64_t height;

    int CellLeft(size_t index) const;
    int CellTop(size_t index) const;  // the thumbnail's top; its label lies below it
};

// columns 0 chooses as many as make the sheet roughly square; more columns than
// pictures become one row.
SheetLayout LayoutSheet(size_t pictures, int thumbWidth, int columns);

}  // namespace vorrith
