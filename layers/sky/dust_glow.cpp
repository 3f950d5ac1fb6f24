#include "layers/sky/dust_glow.h"

#include <algorithm>

#include "core/canvas.h"

namespace vorrith {
namespace {

void AddToPixel(int x, int y, int amount) {
    if (!Canvas.Contains(x, y)) return;
    uint8_t* p = Canvas.PixelAddress(x, y);
    for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>(std::min(255, p[c] + amount));
}

void AddDotNow(int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) AddToPixel(x + dx, y + dy, 1);
    }
}

}  // namespace

DustDots::DustDots(int left, int top, int right, int bottom)
    : left_(left),
      top_(top),
      right_(right),
      bottom_(bottom),
      columns_(std::max(0, right - left + 3)),
      rows_(std::max(0, bottom - top + 3)),
      counts_(static_cast<size_t>(columns_) * rows_, 0) {}

void DustDots::Place(int x, int y) {
    if (x < left_ || x > right_ || y < top_ || y > bottom_) {
        AddDotNow(x, y);
        return;
    }
    ++counts_[static_cast<size_t>(Index(x, y))];
}

// Each pixel's 3 x 3 block sum: the three rows around it summed column by column, then
// three neighbouring columns of that. The grid's outer ring of cells holds no dots.
void DustDots::AddToCanvas() {
    std::vector<int> columnSums(static_cast<size_t>(columns_));
    for (int row = 0; row < rows_; ++row) {
        std::fill(columnSums.begin(), columnSums.end(), 0);
        for (int r = std::max(row - 1, 0); r <= std::min(row + 1, rows_ - 1); ++r) {
            const int* counts = &counts_[static_cast<size_t>(r * columns_)];
            for (int column = 0; column < columns_; ++column) columnSums[column] += counts[column];
        }
        for (int column = 0; column < columns_; ++column) {
            int amount = columnSums[column];
            if (column > 0) amount += columnSums[column - 1];
            if (column + 1 < columns_) amount += columnSums[column + 1];
            if (amount > 0) AddToPixel(left_ - 1 + column, top_ - 1 + row, amount);
        }
    }
    std::fill(counts_.begin(), counts_.end(), 0);
}

}  // namespace vorrith
