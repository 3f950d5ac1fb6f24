// Finished pictures, one per scene type, compared pixel by pixel with recorded BMP
// files in tests/data/golden. On a mismatch the actual picture and a diff image (differing
// pixels red, the rest a dimmed copy of the actual picture) are written to the test
// build folder so the regression can be looked at. Re-record deliberately with
// tools/record-goldens.sh, never from a test run.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "core/bmp_writer.h"
#include "core/canvas.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

struct GoldenPicture {
    int imageNumber;
    const char* kind;
};

void PrintTo(const GoldenPicture& golden, std::ostream* os) { *os << golden.imageNumber << " (" << golden.kind << ")"; }

// The numbers tools/record-goldens.sh records.
constexpr GoldenPicture kGoldenPictures[] = {
    {5829, "hill country under a black sky"},
    {7051, "relief plain with rocks"},
    {5110, "crater plain with a river"},
    {2640, "sea under a black sky"},
};

std::string GoldenPath(int imageNumber) {
    char name[64];
    std::snprintf(name, sizeof name, "/golden/vorrith-%05d.bmp", imageNumber);
    return std::string(VORRITH_TEST_DATA_DIR) + name;
}

std::string OutputPath(int imageNumber, const char* what) {
    char name[64];
    std::snprintf(name, sizeof name, "/golden-%05d-%s.bmp", imageNumber, what);
    return std::string(VORRITH_TEST_OUTPUT_DIR) + name;
}

// The canvas-sized pixel rows of a recorded BMP, top row first; empty if unreadable.
std::vector<uint8_t> ReadGoldenRows(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const size_t rowBytes = static_cast<size_t>(canvas.stride);
    if (bytes.size() != kBmpHeadersSize + rowBytes * canvas.height) return {};
    std::vector<uint8_t> rows(rowBytes * canvas.height);
    for (int y = 0; y < canvas.height; ++y) {
        const uint8_t* source = bytes.data() + kBmpHeadersSize + (canvas.height - 1 - y) * rowBytes;
        std::copy(source, source + rowBytes, rows.begin() + static_cast<long>(y * rowBytes));
    }
    return rows;
}

// Counts differing pixels; writes the actual picture and the diff image when any differ.
int CompareWithGolden(int imageNumber, const std::vector<uint8_t>& golden) {
    Surface diff;
    if (diff.Allocate(canvas.width, canvas.height) != 0) return -1;
    int differing = 0;
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) {
            const uint8_t* actual = canvas.PixelAddress(x, y);
            const uint8_t* expected = golden.data() + y * canvas.stride + 3 * x;
            const bool same = actual[0] == expected[0] && actual[1] == expected[1] && actual[2] == expected[2];
            differing += same ? 0 : 1;
            const uint8_t grey = static_cast<uint8_t>((actual[0] + actual[1] + actual[2]) / 12);
            diff.PutPixel(x, y, same ? MakeColour(grey, grey, grey) : MakeColour(255, 0, 0));
        }
    }
    if (differing > 0) {
        SaveCanvasBmp(OutputPath(imageNumber, "actual"));
        WriteBmp(diff, OutputPath(imageNumber, "diff"));
    }
    return differing;
}

class GoldenPictureTest : public CanvasTest, public ::testing::WithParamInterface<GoldenPicture> {};

TEST_P(GoldenPictureTest, FinishedPictureMatchesTheRecordedOne) {
    const GoldenPicture golden = GetParam();
    const std::vector<uint8_t> expected = ReadGoldenRows(GoldenPath(golden.imageNumber));
    ASSERT_FALSE(expected.empty()) << GoldenPath(golden.imageNumber)
                                   << " is missing or not a 640 x 480 picture; record it with tools/record-goldens.sh";
    RenderPicture(golden.imageNumber);
    const int differing = CompareWithGolden(golden.imageNumber, expected);
    EXPECT_EQ(differing, 0) << golden.kind << ": see " << OutputPath(golden.imageNumber, "actual") << " and "
                            << OutputPath(golden.imageNumber, "diff");
}

INSTANTIATE_TEST_SUITE_P(OnePerSceneType, GoldenPictureTest, ::testing::ValuesIn(kGoldenPictures),
                         [](const ::testing::TestParamInfo<GoldenPicture>& param) {
                             return "Image" + std::to_string(param.param.imageNumber);
                         });

}  // namespace
}  // namespace vorrith
