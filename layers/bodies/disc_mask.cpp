// Cutting a square coverage mask to a disc: the same walk as the shaded disc, so the
// mask covers exactly the disc's interior and carries its rim coverage.
#include <algorithm>
#include <cstring>

#include "layers/bodies/surface_texture.h"

namespace vorrith {
namespace {

struct DiscMask {
    uint8_t* cells;
    int stride;
    int centre;    // radius - 1: the disc's centre cell on both axes
    int diameter;  // 2 radius - 1

    uint8_t& At(int column, int row) { return cells[row * stride + column]; }

    // Rim coverage (D - err) / D, rounded half up.
    void ScaleRim(int column, int row, int err) {
        uint8_t& cell = At(column, row);
        const int scaled = (cell * 2 * (diameter - err) + diameter) / (2 * diameter);
        cell = static_cast<uint8_t>(std::clamp(scaled, 0, 255));
    }

    // Clears the row left of column `left` and right of column `right`.
    void ClearOutside(int row, int left, int right) {
        uint8_t* line = cells + row * stride;
        std::memset(line, 0, static_cast<size_t>(std::max(left, 0)));
        if (right + 1 < stride) std::memset(line + right + 1, 0, static_cast<size_t>(stride - right - 1));
    }
};

void ScaleRimCells(DiscMask& m, int k, int r, int err) {
    const int h = m.centre;
    m.ScaleRim(h - k, h - r, err);
    m.ScaleRim(h + k, h - r, err);
    if (r != 0) {
        m.ScaleRim(h - k, h + r, err);
        m.ScaleRim(h + k, h + r, err);
    }
    if (k == r) return;
    m.ScaleRim(h - r, h - k, err);
    m.ScaleRim(h + r, h - k, err);
    if (k != 0) {
        m.ScaleRim(h - r, h + k, err);
        m.ScaleRim(h + r, h + k, err);
    }
    m.ClearOutside(h - k, h - r, h + r);
    m.ClearOutside(h + k, h - r, h + r);
}

}  // namespace

void CutMaskToDisc(uint8_t* mask, int stride, int radius) {
    if (radius <= 1) {
        std::memset(mask + 1, 0, static_cast<size_t>(stride) * stride - 1);
        return;
    }
    DiscMask m{mask, stride, radius - 1, 2 * radius - 1};
    std::memset(mask + m.diameter * stride, 0, static_cast<size_t>(stride - m.diameter) * stride);
    const int h = m.centre;
    int r = radius - 1;
    int t = 2 * r;
    int k = 0;
    int err = 0;
    while (r >= k) {
        ScaleRimCells(m, k, r, err);
        err += 2 * k + 1;  // the error for k + 1
        if (err >= m.diameter) {
            m.ClearOutside(h - r, h - k, h + k);
            m.ClearOutside(h + r, h - k, h + k);
            err += 1 - t;
            t -= 2;
            --r;
        }
        ++k;
    }
}

}  // namespace vorrith
