#include "cli/sheets/sheet_pixels.h"

#include <sys/mman.h>

#include <algorithm>

namespace vorrith {

SheetPixels::SheetPixels(const SheetLayout& layout)
    : width_(static_cast<int>(layout.width)),
      height_(static_cast<int>(layout.height)),
      stride_(static_cast<size_t>(layout.width) * 3),
      size_(stride_ * static_cast<size_t>(layout.height)) {
    void* mapped = mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return;
    pixels_ = static_cast<uint8_t*>(mapped);
    for (int x = 0; x < width_; ++x) {
        At(x, 0)[0] = static_cast<uint8_t>(kSheetBackground);
        At(x, 0)[1] = static_cast<uint8_t>(kSheetBackground >> 8);
        At(x, 0)[2] = static_cast<uint8_t>(kSheetBackground >> 16);
    }
    for (int y = 1; y < height_; ++y) std::copy(At(0, 0), At(0, 0) + stride_, At(0, y));
}

SheetPixels::~SheetPixels() {
    if (pixels_ != nullptr) munmap(pixels_, size_);
}

}  // namespace vorrith
