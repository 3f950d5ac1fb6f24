#include "layers/sky/sky_backdrop.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

class SkyBackdropTest : public CanvasTest {
protected:
    void PlanAndDrawSky(int imageNumber) {
        std::memset(Canvas.pixels, 0, static_cast<size_t>(Canvas.stride) * Canvas.height);
        PlanPicture(imageNumber);
        DrawSkyBackdrop();
    }
};

TEST_F(SkyBackdropTest, ImageZeroGradient) {
    PlanAndDrawSky(0);
    EXPECT_EQ(PixelRgb(0, 349), (Rgb{239, 237, 153}));
    EXPECT_EQ(PixelRgb(0, 349), PaletteRgb(61));
    EXPECT_EQ(PixelRgb(0, 0), PaletteRgb(35));
    EXPECT_EQ(PixelRgb(0, 0), (Rgb{82, 99, 23}));
    EXPECT_EQ(PixelRgb(320, 174), (Rgb{142, 152, 73}));
    EXPECT_EQ(PixelRgb(0, 350), (Rgb{0, 0, 0}));  // below the horizon stays black
}

TEST_F(SkyBackdropTest, ImageTwelveThousandThreeHundredFortyFiveTiltsWithTheSuns) {
    PlanAndDrawSky(12345);
    EXPECT_EQ(PixelRgb(0, 354), PaletteRgb(50));
    EXPECT_EQ(PixelRgb(639, 354), PaletteRgb(60));
    EXPECT_EQ(PixelRgb(0, 0), PaletteRgb(33));
    EXPECT_EQ(PixelRgb(639, 0), PaletteRgb(44));
}

// Finds a number whose plan has the wanted sky.
int FindImage(bool gradientSky) {
    for (int n = 0;; ++n) {
        PlanPicture(n);
        if (Plan.gradientSky == gradientSky) return n;
    }
}

TEST_F(SkyBackdropTest, BlackSkyGetsOnlyStarsWithFourDrawsEach) {
    const int n = FindImage(false);
    PlanPicture(n);
    const int starCount = rand() % 50 + 75;
    for (int i = 0; i < 4 * starCount; ++i) rand();
    const uint32_t expectedAfter = RandomState();

    PlanAndDrawSky(n);
    EXPECT_EQ(RandomState(), expectedAfter);
    int lit = 0;
    for (int y = 0; y < Canvas.height; ++y) {
        for (int x = 0; x < Canvas.width; ++x) {
            if (Canvas.GetPixel(x, y) == 0) continue;
            ++lit;
            EXPECT_LT(x, ClipRight);
            EXPECT_LT(y, Plan.horizonRow);
        }
    }
    EXPECT_GT(lit, 0);
    EXPECT_LE(lit, starCount);
}

TEST_F(SkyBackdropTest, GradientPixelsComeFromSkyEntriesUpToSixtyOne) {
    for (int n = 0; n < 30; ++n) {
        PlanAndDrawSky(n);
        if (!Plan.gradientSky) continue;
        int offPalette = 0;  // only stars may leave the band
        for (int y = 0; y <= Plan.horizonRow; ++y) {
            for (int x = 0; x < Canvas.width; ++x) {
                const uint32_t c = Canvas.GetPixel(x, y);
                bool found = false;
                for (int e = 32; e <= 61 && !found; ++e) found = PaletteColour(e) == c;
                offPalette += found ? 0 : 1;
            }
        }
        EXPECT_LE(offPalette, 124) << n;
    }
}

}  // namespace
}  // namespace vorrith
