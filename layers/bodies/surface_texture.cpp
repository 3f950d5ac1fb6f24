#include "layers/bodies/surface_texture.h"

#include <cstddef>
#include <new>
#include <utility>

#include "core/canvas.h"
#include "layers/bodies/warp_grid.h"
#include "layers/shapes/noise_texture.h"

namespace vorrith {
namespace {

constexpr int kWarpPasses = 6;
constexpr int kWarpsPerPass = 4;

std::unique_ptr<uint8_t[]> NewBytes(int count) {
    return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[static_cast<size_t>(count)]);
}

}  // namespace

std::unique_ptr<uint8_t[]> MakeSurfaceTexture(int cells) {
    const int side = 16 * cells;
    const int size = side * side;
    std::unique_ptr<uint8_t[]> current = NewBytes(size);
    std::unique_ptr<uint8_t[]> other = NewBytes(size);
    if (!current || !other) return nullptr;
    FillNoiseBytes(current.get(), size);
    WarpGrid grid;
    for (int pass = 0; pass < kWarpPasses; ++pass) {
        if (!grid.Build(cells, cells)) return nullptr;
        for (int warp = 0; warp < kWarpsPerPass; ++warp) {
            grid.Warp(current.get(), side, other.get(), side);
            std::swap(current, other);
        }
        SmoothWrapped(current.get(), side, side);
    }
    return current;
}

void DrawSurfaceTexture(int cx, int cy, int radius, uint32_t colour) {
    if (radius < 1) return;
    const int cells = SurfaceTextureCells(radius);
    std::unique_ptr<uint8_t[]> texture = MakeSurfaceTexture(cells);
    if (!texture) return;
    const int stride = 32 * cells;
    std::unique_ptr<uint8_t[]> mask = NewBytes(stride * stride);
    if (!mask) return;
    UpsampleWrapped(texture.get(), 16 * cells, 16 * cells, mask.get());
    texture.reset();
    CutMaskToDisc(mask.get(), stride, radius);
    Canvas.BlendMask(cx - radius + 1, cy - radius + 1, stride, 2 * radius - 1, mask.get(), colour);
}

}  // namespace vorrith
