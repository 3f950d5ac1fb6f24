#include "core/bmp_writer.h"

#include <cstring>

namespace vorrith {

std::string DefaultPictureName(int imageNumber) { return "Vorrith" + std::to_string(imageNumber) + ".Bmp"; }

namespace {

#pragma pack(push, 2)
struct BmpFileHeader {
    uint16_t bfType;  // "BM"
    uint32_t bfSize;
    uint16_t bfReserved1;
    uint16_t bfReserved2;
    uint32_t bfOffBits;
};
struct BmpHeaders {
    BmpFileHeader file;
    BitmapInfoHeader info;
};
#pragma pack(pop)
static_assert(sizeof(BmpHeaders) == kBmpHeadersSize, "BMP headers are 54 bytes");

// Every target stores these fields little-endian, as the file wants them.
BmpHeaders MakeHeaders(const BitmapInfoHeader& info, int64_t pixelBytes) {
    BmpHeaders headers{};
    headers.file.bfType = 0x4D42;
    headers.file.bfSize = static_cast<uint32_t>(kBmpHeadersSize + pixelBytes);
    headers.file.bfOffBits = kBmpHeadersSize;
    headers.info = info;
    if (headers.info.biHeight < 0) headers.info.biHeight = -headers.info.biHeight;
    return headers;
}

BmpHeaders MakeHeaders(const Surface& surface) {
    return MakeHeaders(surface.header, int64_t{surface.height} * surface.stride);
}

// Rows go bottom-up: a top-down Surface is stored from its last row to its first,
// any other in buffer order.
void CopyRows(const Surface& surface, uint8_t* out) {
    const size_t rowBytes = static_cast<size_t>(surface.stride);
    if (surface.header.biHeight >= 0) {
        std::memcpy(out, surface.pixels, rowBytes * surface.height);
        return;
    }
    for (int row = surface.height - 1; row >= 0; --row, out += rowBytes) {
        std::memcpy(out, surface.pixels + row * rowBytes, rowBytes);
    }
}

}  // namespace

int BmpRowBytes(int width) { return (width * 3 + 3) & ~3; }

std::vector<uint8_t> BmpHeaderBytes(int width, int height) {
    BitmapInfoHeader info{};  // as Surface::Allocate makes it
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = kBiRgb;
    const BmpHeaders headers = MakeHeaders(info, int64_t{height} * BmpRowBytes(width));
    const auto* bytes = reinterpret_cast<const uint8_t*>(&headers);
    return {bytes, bytes + sizeof headers};
}

std::vector<uint8_t> EncodeBmp(const Surface& surface) {
    const BmpHeaders headers = MakeHeaders(surface);
    std::vector<uint8_t> bytes(headers.file.bfSize);
    std::memcpy(bytes.data(), &headers, sizeof headers);
    CopyRows(surface, bytes.data() + sizeof headers);
    return bytes;
}

}  // namespace vorrith
