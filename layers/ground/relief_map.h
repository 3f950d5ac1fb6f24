// ReliefMap: the relief plain's 64 x 64 height map laid out for the ray march.
//
// BuildReliefMap(map) draws the map's 4096 rand() bytes, smooths them 15 times with
// wrap-around and stretches them to 0 ... 255, then stores them with the first row and
// column repeated after the last, so the four corners of any cell are read without
// wrapping.
//
// The march samples the terrain bilinearly, in 16.16, at a distance d (in 1/16 map
// rows: between map rows d / 16 and d / 16 + 1, w = 16 * (d % 16) of 256 of the way)
// and an across position (cell in bits 18-23, fraction f in bits 10-17):
//     hA = a0 * 256 + (a1 - a0) * f,  hB = b0 * 256 + (b1 - b0) * f,
//     h  = hA * 256 + (hB - hA) * w
// with a0, a1 the cell's corners on the near row and b0, b1 on the far one. Within one
// cell and one row pair this is exactly h = base + f * gain, where base and gain depend
// on w alone and change by a fixed amount as the march moves on; RunAt gives them.
#pragma once

#include <cstdint>

#include "core/fixed_point.h"

namespace vorrith {

// The sample along one cell and row pair: h = base + f * gain at the current step;
// the next step, `advance` sub-rows on, adds baseStep and gainStep.
struct CellRun {
    int base;
    int gain;
    int baseStep;
    int gainStep;
};

struct ReliefMap {
    static constexpr int kSize = 64;
    static constexpr int kStride = kSize + 1;

    uint8_t heights[kStride * kStride];

    // Across positions hold the cell from bit kCellShift up, its 8-bit fraction below.
    static constexpr int kCellShift = 18;
    static int CellOf(int across) { return (across >> kCellShift) & (kSize - 1); }
    static int FractionOf(int across) { return (across >> (kCellShift - 8)) & 255; }

    CellRun RunAt(int distance, int cell, int advance) const {
        const uint8_t* near = heights + ((distance >> 4) & (kSize - 1)) * kStride + cell;
        const uint8_t* far = near + kStride;
        const int w = 16 * (distance & 15);
        const int towardFar = Fixed8::From(far[0] - near[0]);
        const int bend = (far[1] - far[0]) - (near[1] - near[0]);
        CellRun run;
        run.base = Fixed16::From(near[0]) + towardFar * w;
        run.gain = Fixed8::From(near[1] - near[0]) + bend * w;
        run.baseStep = towardFar * 16 * advance;
        run.gainStep = bend * 16 * advance;
        return run;
    }
};

void BuildReliefMap(ReliefMap& map);

}  // namespace vorrith
