// WarpGrid: a grid of randomly displaced control points that resamples a byte texture
// block by block, turning noise into swirled, streaky patterns.
//
// Points are in 1/256 of a pixel; one cell is 4096 units (16 pixels) square. The grid
// has (cellsY + 1) x (cellsX + 1) points, row by row.
//
// Build(cellsX, cellsY)  replaces the points; false when the point array cannot be
//                        allocated (the grid then has none). Draws two rand() values per
//                        point, edge points included; the outer points are pinned to the
//                        texture's first and last pixel so every sample stays inside.
// Warp(...)              writes a (16 cellsX) x (16 cellsY) texture: each 16 x 16 block
//                        is a nearest-pixel resampling of the quadrilateral between its
//                        cell's four points. Draws nothing; needs a built grid.
#pragma once

#include <cstdint>

namespace vorrith {

struct WarpPoint {
    int32_t x;
    int32_t y;
};

class WarpGrid {
public:
    WarpGrid() = default;
    ~WarpGrid();
    WarpGrid(const WarpGrid&) = delete;
    WarpGrid& operator=(const WarpGrid&) = delete;

    bool Build(int cellsX, int cellsY);
    void Warp(const uint8_t* source, int sourceStride, uint8_t* destination, int destinationStride) const;

    WarpPoint* points = nullptr;
    int cellsX = 0;
    int cellsY = 0;

private:
    const WarpPoint& PointAt(int column, int row) const { return points[row * (cellsX + 1) + column]; }
    bool FitsLanes(int sourceStride) const;
    void WarpCell(int column, int row, const uint8_t* source, int sourceStride, uint8_t* destination,
                  int destinationStride, bool wide) const;
};

}  // namespace vorrith
