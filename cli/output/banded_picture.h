// A picture made band by band, so that one of any size is encoded in little memory: each
// band of rows is made (resampled, or drawn from a sheet's cells) just before it is
// encoded, into one reused buffer. The encoders ask for bands in the order their format
// stores rows: PNG from the top, BMP from the bottom.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "cli/output/output_result.h"
#include "core/surface.h"

namespace vorrith {

// Fills rows top ... top + rows - 1 of the picture into out, row 0 of out first, rows
// stride bytes apart, blue-green-red without padding.
using BandMaker = std::function<OutputResult(int top, int rows, uint8_t* out, size_t stride)>;

// The bytes a band buffer may hold: with the encoders' own, a picture of any size stays
// far below 256 MB of address space.
constexpr size_t kBandBytes = size_t{32} << 20;

struct BandedPicture {
    int width;
    int height;
    int bandRows;  // rows a band holds; the last may hold fewer
    BandMaker make;
};

// bandRows as many as kBandBytes allows at width (at least one, at most height).
BandedPicture Banded(int width, int height, BandMaker make);

// Hands out the picture's rows one at a time, making each band when its first row is
// asked for. Rows are asked for in one direction, top-down or bottom-up.
class BandedRows {
public:
    explicit BandedRows(const BandedPicture& picture) : picture_(picture) {}
    // Row y, or null when making its band failed (failure() says why) or memory ran out.
    const uint8_t* Row(int y);
    const OutputResult& failure() const { return failure_; }

private:
    const BandedPicture& picture_;
    std::vector<uint8_t> band_;
    int bandTop_ = -1;
    OutputResult failure_ = OutputResult::Done();
};

}  // namespace vorrith
