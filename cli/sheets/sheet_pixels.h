// One band of a contact sheet's pixels (whole rows of cells) in memory shared with the
// worker processes started after it was made: each worker draws the cells of its own
// pictures, and the parent, which sees every cell, labels them and encodes the band.
// Blue-green-red rows without padding, addressed in the sheet's own coordinates.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cli/sheets/sheet_layout.h"
#include "core/surface.h"

namespace vorrith {

constexpr uint32_t kSheetBackground = 0x1C1C20;  // 0x00RRGGBB

class SheetPixels {
public:
    SheetPixels(int width, int rows);
    ~SheetPixels();
    SheetPixels(const SheetPixels&) = delete;
    SheetPixels& operator=(const SheetPixels&) = delete;

    bool ok() const { return pixels_ != nullptr; }  // false when memory ran out
    // The band now holds sheet rows firstRow ... firstRow + rows - 1, all background.
    void Restart(int firstRow);
    // Pixel (x, y) of the sheet; y within the band.
    uint8_t* At(int x, int y) {
        return pixels_ + static_cast<size_t>(y - firstRow_) * stride_ + static_cast<size_t>(x) * 3;
    }
    size_t stride() const { return stride_; }

private:
    uint8_t* pixels_ = nullptr;
    int width_;
    int rows_;
    int firstRow_ = 0;
    size_t stride_;
    size_t size_;
};

}  // namespace vorrith
