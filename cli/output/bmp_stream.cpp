#include "cli/output/bmp_stream.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "core/bmp_writer.h"

namespace vorrith {

OutputResult WriteBmp(const BandedPicture& picture, DescriptorWriter& out) try {
    const std::vector<uint8_t> headers = BmpHeaderBytes(picture.width, picture.height);
    if (!out.Write(headers.data(), headers.size())) return OutputResult::Failed("");
    const size_t pixelRow = static_cast<size_t>(picture.width) * 3;
    const size_t fileRow = static_cast<size_t>(BmpRowBytes(picture.width));
    std::vector<uint8_t> band(pixelRow * static_cast<size_t>(picture.bandRows));
    std::vector<uint8_t> stored(fileRow * static_cast<size_t>(picture.bandRows), 0);  // padding stays zero
    for (int bottom = picture.height; bottom > 0; bottom -= picture.bandRows) {
        const int top = std::max(0, bottom - picture.bandRows);
        const int rows = bottom - top;
        const OutputResult made = picture.make(top, rows, band.data(), pixelRow);
        if (!made.ok()) return made;
        for (int y = 0; y < rows; ++y) {
            std::memcpy(stored.data() + static_cast<size_t>(rows - 1 - y) * fileRow,
                        band.data() + static_cast<size_t>(y) * pixelRow, pixelRow);
        }
        if (!out.Write(stored.data(), fileRow * static_cast<size_t>(rows))) return OutputResult::Failed("");
    }
    return OutputResult::Done();
} catch (const std::bad_alloc&) {
    return OutputResult::OutOfMemory();
}

}  // namespace vorrith
