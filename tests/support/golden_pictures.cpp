#include "tests/support/golden_pictures.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "core/bmp_writer.h"
#include "core/canvas.h"
#include "tests/support/data_lines.h"

namespace vorrith {

namespace {

// Empty, with the reason on stderr, when the list cannot be read: the golden test then
// has no case, which GoogleTest reports as a failure.
std::vector<GoldenPicture> ReadGoldenList() {
    std::vector<GoldenPicture> pictures;
    try {
        for (const std::string& line : ReadDataLines("golden/pictures.txt")) {
            std::istringstream fields(line);
            GoldenPicture picture;
            fields >> picture.imageNumber >> std::ws;
            std::getline(fields, picture.kind);
            if (fields.fail() || picture.kind.empty()) throw std::runtime_error("bad golden picture line: " + line);
            pictures.push_back(picture);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return {};
    }
    return pictures;
}

}  // namespace

const std::vector<GoldenPicture>& GoldenPictures() {
    static const std::vector<GoldenPicture> pictures = ReadGoldenList();
    return pictures;
}

bool HasGoldenPicture(int imageNumber) {
    return std::any_of(GoldenPictures().begin(), GoldenPictures().end(),
                       [&](const GoldenPicture& g) { return g.imageNumber == imageNumber; });
}

std::string GoldenPath(int imageNumber) {
    char name[64];
    std::snprintf(name, sizeof name, "/golden/vorrith-%05d.bmp", imageNumber);
    return std::string(VORRITH_TEST_DATA_DIR) + name;
}

std::string TestOutputPath(const std::string& name) { return std::string(VORRITH_TEST_OUTPUT_DIR) + "/" + name; }

std::vector<uint8_t> ReadGoldenRows(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const size_t rowBytes = static_cast<size_t>(Canvas.stride);
    if (bytes.size() != kBmpHeadersSize + rowBytes * Canvas.height) return {};
    std::vector<uint8_t> rows(rowBytes * Canvas.height);
    for (int y = 0; y < Canvas.height; ++y) {
        const uint8_t* source = bytes.data() + kBmpHeadersSize + (Canvas.height - 1 - y) * rowBytes;
        std::copy(source, source + rowBytes, rows.begin() + static_cast<long>(y * rowBytes));
    }
    return rows;
}

int CompareCanvasWithRows(const std::vector<uint8_t>& golden, const std::string& prefix) {
    Surface diff;
    if (diff.Allocate(Canvas.width, Canvas.height) != kAllocated) return -1;
    int differing = 0;
    for (int y = 0; y < Canvas.height; ++y) {
        for (int x = 0; x < Canvas.width; ++x) {
            const uint8_t* actual = Canvas.PixelAddress(x, y);
            const uint8_t* expected = golden.data() + y * Canvas.stride + 3 * x;
            const bool same = actual[0] == expected[0] && actual[1] == expected[1] && actual[2] == expected[2];
            differing += same ? 0 : 1;
            const uint8_t grey = static_cast<uint8_t>((actual[0] + actual[1] + actual[2]) / 12);
            diff.PutPixel(x, y, same ? MakeColour(grey, grey, grey) : MakeColour(255, 0, 0));
        }
    }
    if (differing > 0) {
        WriteTestBmp(Canvas, TestOutputPath(prefix + "-actual.bmp"));
        WriteTestBmp(diff, TestOutputPath(prefix + "-diff.bmp"));
    }
    return differing;
}

void WriteTestBmp(const Surface& surface, const std::string& path) {
    const std::vector<uint8_t> bytes = EncodeBmp(surface);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vorrith
