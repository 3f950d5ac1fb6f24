// A contact sheet's pixels in memory shared with the worker processes started after it
// was made: each worker draws the cells of its own pictures, and the parent, which sees
// every cell, writes the sheet. Blue-green-red rows without padding, filled at first
// with the sheet's dark background.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cli/sheets/sheet_layout.h"
#include "core/surface.h"

namespace vorrith {

constexpr uint32_t kSheetBackground = 0x1C1C20;  // 0x00RRGGBB

class SheetPixels {
public:
    explicit SheetPixels(const SheetLayout& layout);
    ~SheetPixels();
    SheetPixels(const SheetPixels&) = delete;
    SheetPixels& operator=(const SheetPixels&) = delete;

    bool ok() const { return pixels_ != nullptr; }  // false when memory ran out
    uint8_t* At(int x, int y) { return pixels_ + static_cast<size_t>(y) * stride_ + static_cast<size_t>(x) * 3; }
    size_t stride() const { return stride_; }
    PixelRows Rows() const { return {pixels_, width_, height_, stride_}; }

private:
    uint8_t* pixels_ = nullptr;
    int width_;
    int height_;
    size_t stride_;
    size_t size_;
};

}  // namespace vorrith
