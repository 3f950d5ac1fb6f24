// Finished pictures, one per scene type, compared pixel by pixel with recorded BMP
// files in tests/data/golden. Re-record deliberately with tools/record-goldens.sh, never
// from a test run.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/golden_pictures.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {

void PrintTo(const GoldenPicture& golden, std::ostream* os) { *os << golden.imageNumber << " (" << golden.kind << ")"; }

namespace {

class GoldenPictureTest : public CanvasTest, public ::testing::WithParamInterface<GoldenPicture> {};

TEST_P(GoldenPictureTest, FinishedPictureMatchesTheRecordedOne) {
    const GoldenPicture golden = GetParam();
    const std::vector<uint8_t> expected = ReadGoldenRows(GoldenPath(golden.imageNumber));
    ASSERT_FALSE(expected.empty()) << GoldenPath(golden.imageNumber)
                                   << " is missing or not a 640 x 480 picture; record it with tools/record-goldens.sh";
    RenderPicture(golden.imageNumber);
    const std::string prefix = "golden-" + std::to_string(golden.imageNumber);
    EXPECT_EQ(CompareCanvasWithRows(expected, prefix), 0)
        << golden.kind << ": see " << TestOutputPath(prefix + "-actual.bmp") << " and "
        << TestOutputPath(prefix + "-diff.bmp");
}

INSTANTIATE_TEST_SUITE_P(OnePerSceneType, GoldenPictureTest, ::testing::ValuesIn(GoldenPictures()),
                         [](const ::testing::TestParamInfo<GoldenPicture>& param) {
                             return "Image" + std::to_string(param.param.imageNumber);
                         });

}  // namespace
}  // namespace vorrith
