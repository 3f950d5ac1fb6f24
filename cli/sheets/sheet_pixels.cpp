#include "cli/sheets/sheet_pixels.h"

#include <sys/mman.h>

#include <algorithm>

namespace vorrith {

SheetPixels::SheetPixels(int width, int rows)
    : width_(width),
      rows_(rows),
      stride_(static_cast<size_t>(width) * 3),
      size_(stride_ * static_cast<size_t>(rows)) {
    void* mapped = mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (mapped != MAP_FAILED) pixels_ = static_cast<uint8_t*>(mapped);
}

void SheetPixels::Restart(int firstRow) {
    firstRow_ = 0;
    for (int x = 0; x < width_; ++x) {
        At(x, 0)[0] = BlueOf(kSheetBackground);
        At(x, 0)[1] = GreenOf(kSheetBackground);
        At(x, 0)[2] = RedOf(kSheetBackground);
    }
    for (int y = 1; y < rows_; ++y) std::copy(At(0, 0), At(0, 0) + stride_, At(0, y));
    firstRow_ = firstRow;
}

SheetPixels::~SheetPixels() {
    if (pixels_ != nullptr) munmap(pixels_, size_);
}

}  // namespace vorrith
