#include "xsaver/frame_stretch.h"

#include <algorithm>
#include <cstring>

#include "saver/monitor_index.h"

namespace vorrith {
namespace {

// The offset of an 8-bit mask, or -1 for any other mask.
int ByteMaskShift(unsigned long mask) {
    for (int shift = 0; shift <= 24; shift += 8) {
        if (mask == 0xFFul << shift) return shift;
    }
    return -1;
}

}  // namespace

bool PixelLayoutOfVisual(unsigned long redMask, unsigned long greenMask, unsigned long blueMask, int depth,
                         PixelLayout& layout) {
    layout = {ByteMaskShift(redMask), ByteMaskShift(greenMask), ByteMaskShift(blueMask), 0};
    if (layout.redShift < 0 || layout.greenShift < 0 || layout.blueShift < 0) return false;
    if (depth != 24 && depth != 32) return false;
    if (depth == 32) layout.opaqueBits = ~static_cast<uint32_t>(redMask | greenMask | blueMask);
    return true;
}

ScreenRect VisibleFramePart(const ScreenRect& dest, const std::vector<ScreenRect>& areas) {
    if (areas.empty()) return {0, 0, 0, 0};
    const ScreenRect area = PictureAreaRect(areas[static_cast<size_t>(MonitorIndexOf(dest, areas))]);
    return {std::max(dest.left, area.left), std::max(dest.top, area.top), std::min(dest.right, area.right),
            std::min(dest.bottom, area.bottom)};
}

FrameSize LargestPictureArea(const std::vector<ScreenRect>& areas) {
    FrameSize largest{0, 0};
    for (const ScreenRect& area : areas) {
        const ScreenRect picture = PictureAreaRect(area);
        largest.width = std::max(largest.width, picture.right - picture.left);
        largest.height = std::max(largest.height, picture.bottom - picture.top);
    }
    return largest;
}

void StretchPicture(const Surface& picture, const ScreenRect& dest, const ScreenRect& part, const PixelLayout& layout,
                    uint32_t* out, size_t outStride) {
    const int64_t destWidth = dest.right - dest.left;
    const int64_t destHeight = dest.bottom - dest.top;
    const int32_t width = part.right - part.left;
    if (destWidth <= 0 || destHeight <= 0 || width <= 0) return;
    std::vector<uint32_t> sourceByte(static_cast<size_t>(width));  // canvas column x 3, per column of part
    for (int32_t x = 0; x < width; ++x) {
        sourceByte[static_cast<size_t>(x)] =
            static_cast<uint32_t>((part.left - dest.left + x) * int64_t{picture.width} / destWidth * 3);
    }
    int32_t convertedRow = -1;
    const uint32_t* converted = nullptr;
    for (int32_t y = part.top; y < part.bottom; ++y, out += outStride) {
        const int32_t row = static_cast<int32_t>((y - dest.top) * int64_t{picture.height} / destHeight);
        if (row == convertedRow) {
            std::memcpy(out, converted, static_cast<size_t>(width) * sizeof(uint32_t));
            continue;
        }
        const uint8_t* source = picture.pixels + static_cast<size_t>(row) * picture.stride;
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t* bgr = source + sourceByte[static_cast<size_t>(x)];
            out[x] = uint32_t{bgr[2]} << layout.redShift | uint32_t{bgr[1]} << layout.greenShift |
                     uint32_t{bgr[0]} << layout.blueShift | layout.opaqueBits;
        }
        convertedRow = row;
        converted = out;
    }
}

}  // namespace vorrith
