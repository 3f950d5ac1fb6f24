// Surface: a 24-bit top-down bitmap in memory, with the drawing primitives every
// layer uses.
//
// Pixel (x, y) is the three bytes blue, green, red at y * stride + 3 * x; row 0 is the
// top. Colours are passed as colour values (core/colour.h); the top byte is ignored when
// storing.
// The buffer holds stride * height + 1 bytes: GetPixel reads four bytes, and the spare
// byte keeps the read of the very last pixel inside the buffer.
//
// Unclipped primitives (PutPixel, GetPixel, BlendPixel, ScalePixel, BlendMaskRow) trust
// their callers to stay inside the Surface. Clipped ones draw only what lies inside;
// PutPixelClipped and BlendPixelClipped tell whether the point was inside.
// Each primitive's rounding is part of the picture: truncating unless noted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/bitmap_header.h"
#include "core/colour.h"

namespace vorrith {

// A run of pixels within one row of an image: its first column and its length.
struct PixelSpan {
    int first;
    int count;
};

// The results of Allocate: success, or the cause of the failure.
enum AllocateResult {
    kAllocated,
    kAlreadyAllocated,  // the Surface holds a buffer already
    kInvalidSize,       // a negative side, or more bytes than a pixel's offset can reach
    kOutOfMemory,
};

class Surface {
public:
    Surface();
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // kAlreadyAllocated and kInvalidSize change nothing. kOutOfMemory stores the sizes but
    // leaves pixels null and the header unchanged. The new buffer's contents are not
    // initialised. Valid sizes keep stride * height within 2^31 - 1.
    AllocateResult Allocate(int width, int height);
    void Release();

    inline void PutPixel(int x, int y, uint32_t colour);
    inline uint32_t GetPixel(int x, int y) const;
    bool PutPixelClipped(int x, int y, uint32_t colour);
    // Fills row y from x1 to x2 inclusive (either order), clipped to the row.
    void FillSpan(int x1, int x2, int y, uint32_t colour);
    // (dst * (256 - alpha) + src * alpha) >> 8 per channel; alpha 0 ... 256.
    void BlendPixel(int x, int y, int alpha, uint32_t colour);
    // Same blend, clipped. alpha 0 leaves the pixel.
    bool BlendPixelClipped(int x, int y, int alpha, uint32_t colour);
    // Adds non-negative increments, saturating at 255. Clipped.
    void AddPixel(int x, int y, int red, int green, int blue);
    // (dst * factor + 128) >> 8 per channel, saturating at 255; factor in 1/256 units.
    inline void ScalePixel(int x, int y, int factor);
    // ScalePixel on row y from x1 to x2 inclusive (x1 <= x2), unclipped.
    void ScaleSpan(int x1, int x2, int y, int factor);
    // Blends count pixels from (x, y) rightwards through a mask stretched over the run,
    // rounded: (dst * (256 - m) + src * m + 128) >> 8. Mask value 0 leaves the pixel.
    void BlendMaskRow(int x, int y, int count, const uint8_t* mask, int maskLength, uint32_t colour);
    // Blends through a w x h row-major coverage mask with its corner at (x, y); clipped,
    // truncating.
    void BlendMask(int x, int y, int w, int h, const uint8_t* mask, uint32_t colour);
    // Adds a w x h packed blue-green-red image, saturating at 255; clipped.
    void AddImage(int x, int y, int w, int h, const uint8_t* image);
    // AddImage of only one span of pixels per image row (rowSpans[row], inside the row;
    // count 0 for none). For an image that is zero outside its spans the bytes are those
    // of AddImage, with less to add.
    void AddImageSpans(int x, int y, int w, int h, const uint8_t* image, const PixelSpan* rowSpans);

    uint8_t* PixelAddress(int x, int y) { return pixels + y * stride + 3 * x; }
    const uint8_t* PixelAddress(int x, int y) const { return pixels + y * stride + 3 * x; }
    bool Contains(int x, int y) const { return x >= 0 && x < width && y >= 0 && y < height; }

    BitmapInfoHeader header;
    int32_t width;
    int32_t height;
    int32_t stride;
    uint8_t* pixels;
};

// Rows of blue-green-red pixels wherever they are held (a Surface, or a contact sheet's
// memory shared between processes), for code that only reads them, such as a file
// encoder: row 0 at the top, rows stride bytes apart.
struct PixelRows {
    const uint8_t* pixels;
    int width;
    int height;
    size_t stride;
};

inline PixelRows RowsOf(const Surface& surface) {
    return {surface.pixels, surface.width, surface.height, static_cast<size_t>(surface.stride)};
}

// The per-pixel primitives are defined here so that the layers' pixel loops inline them.
inline void Surface::PutPixel(int x, int y, uint32_t colour) { StoreColour(PixelAddress(x, y), colour); }

inline uint32_t Surface::GetPixel(int x, int y) const {
    uint32_t value;
    std::memcpy(&value, PixelAddress(x, y), 4);  // the spare byte covers the last pixel
    // The pixel bytes are little-endian blue, green, red on every target we build.
    return value & 0x00FFFFFF;
}

inline void Surface::ScalePixel(int x, int y, int factor) {
    uint8_t* p = PixelAddress(x, y);
    for (int c = 0; c < 3; ++c) p[c] = ScaleByte(p[c], factor);
}

}  // namespace vorrith
