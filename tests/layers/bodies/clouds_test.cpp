#include "layers/bodies/clouds.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/bodies/cloud_texture.h"
#include "tests/support/draw_count.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

class CloudsTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        PlanPicture(12345);
        std::memset(Canvas.pixels, 0x50, static_cast<size_t>(Canvas.stride) * Canvas.height);
    }
    // Points the cursor at a table value that decides for or against clouds.
    void DecideClouds(bool clouds) {
        RandomCursor = 100;
        RandomTable[100] = clouds ? 1234 : 1235;
    }
};

TEST_F(CloudsTest, SceneWithoutCloudsTakesOneTableValueAndNothingElse) {
    DecideClouds(false);
    const uint64_t before = CanvasHash();
    const uint32_t state = RandomState();
    DrawClouds();
    EXPECT_EQ(RandomCursor, 101);
    EXPECT_EQ(RandomState(), state);
    EXPECT_EQ(CanvasHash(), before);
}

TEST_F(CloudsTest, CloudsTakeTwoTableValuesAndTwoThousandFiftyFourDraws) {
    DecideClouds(true);
    const uint32_t state = RandomState();
    DrawClouds();
    EXPECT_EQ(RandomCursor, 102);
    EXPECT_EQ(DrawsBetween(state, RandomState()), 2054);
}

TEST_F(CloudsTest, SheetLeavesTheLastSkyRowAndTheGroundAlone) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        DecideClouds(true);
        DrawClouds();
    }
    int clouded = 0;
    for (int y = 0; y < Plan.horizonRow - 1; ++y) {
        for (int x = 0; x < Canvas.width; ++x) clouded += Canvas.GetPixel(x, y) != 0x505050u;
    }
    EXPECT_GT(clouded, 1000);
    for (int y = Plan.horizonRow - 1; y < Canvas.height; ++y) {
        for (int x = 0; x < Canvas.width; ++x) ASSERT_EQ(Canvas.GetPixel(x, y), 0x505050u) << x << "," << y;
    }
}

TEST_F(CloudsTest, TextureDrawsItsOctavesAndCurveOnlyFromRand) {
    srand(31);
    const uint32_t state = RandomState();
    const int cursor = RandomCursor;
    const auto texture = MakeCloudTexture();
    ASSERT_TRUE(texture);
    EXPECT_EQ(DrawsBetween(state, RandomState()), 4 * 512 + 2);
    EXPECT_EQ(RandomCursor, cursor);
}

TEST(CloudTextureTest, ToneCurveClearsBelowTheThresholdAndEndsAtItsDensity) {
    uint8_t curve[256];
    BuildToneCurve(90, 0, curve);
    EXPECT_EQ(curve[89], 0);
    EXPECT_EQ(curve[90], 0);
    EXPECT_GT(curve[91], 0);
    EXPECT_EQ(curve[255], 252);
    BuildToneCurve(159, 69, curve);
    EXPECT_EQ(curve[158], 0);
    EXPECT_EQ(curve[159], 0);
    EXPECT_EQ(curve[255], 96);
    for (int i = 160; i < 256; ++i) EXPECT_GE(curve[i], curve[i - 1]);
}

TEST(CloudTextureTest, TilesAddAcrossAndDownWithByteWrap) {
    uint8_t tile[2 * 2] = {1, 2, 3, 250};
    uint8_t sheet[5 * 3] = {};
    sheet[4] = 10;
    AddTiled(sheet, 5, 3, tile, 2, 2);
    const uint8_t expected[5 * 3] = {1, 2, 1, 2, 11, 3, 250, 3, 250, 3, 1, 2, 1, 2, 1};
    for (int i = 0; i < 15; ++i) EXPECT_EQ(sheet[i], expected[i]) << i;
    AddTiled(sheet, 5, 3, tile, 2, 2);
    EXPECT_EQ(sheet[6], static_cast<uint8_t>(500));
}

}  // namespace
}  // namespace vorrith
