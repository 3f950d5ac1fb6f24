#include "layers/sky/suns.h"

#include <algorithm>

#include "core/canvas.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "core/sine_table.h"
#include "layers/sky/dust_glow.h"
#include "layers/sky/glow_sprite.h"
#include "layers/sky/smooth_disc.h"

namespace vorrith {
namespace {

struct Sun {
    int x, y, size;
};

constexpr int kHaloGrey = 51;
constexpr int kDustDotsPerPlace = 10;

// The companion stands 2s to 10s to the right of the main sun, or mirrored to its left
// when that would leave the picture.
Sun PlaceCompanion() {
    const int s = (rand() & 3) + 4;
    const int offsetDraw = rand();
    const int offset = offsetDraw % (8 * s) + 2 * s;
    const int x = Plan.sunX + offset > ClipRight ? Plan.sunX - offset : Plan.sunX + offset;
    const int yDraw = rand();
    const int y = Plan.sunY + yDraw % (4 * s) - 2 * s;
    return {x, y, s};
}

// Dots at distance j from the centre are placed 10 x (n - j + 1) times, so the glow is
// saturated in the middle and fades out toward 7 x size. Only centres inside the clip
// rectangle and above the horizon count; a dot lies within n of the sun.
void DrawDustGlow(const Sun& sun) {
    const int n = 7 * sun.size;
    DustDots dots(std::max(ClipLeft, sun.x - n), std::max(0, sun.y - n), std::min(ClipRight, sun.x + n),
                  std::min(Plan.horizonRow - 1, sun.y + n));
    for (int i = 0; i <= n; ++i) {
        for (int j = 0; j <= i; ++j) {
            for (int k = 0; k < kDustDotsPerPlace; ++k) {
                const int a = WrapAngle(NextRandomValue());
                const int px = sun.x + MulQ15(j, TableCos(a));
                const int py = sun.y + MulQ15(j, TableSin(a));
                SkipRandomValues(4);  // two after each coordinate
                if (px >= ClipLeft && px <= ClipRight && py >= 0 && py < Plan.horizonRow) dots.Place(px, py);
            }
        }
    }
    dots.AddToCanvas();
}

void DrawLitSkySun(const Sun& sun, int glow) {
    const int mode = NextRandomValue() & 3;
    if (mode == 0) {
        AddGlow(sun.x, sun.y, glow / 2, kHaloGrey, kHaloGrey, kHaloGrey);
        AddGlow(sun.x, sun.y, sun.size, 255, 255, 255);
    } else if (mode == 1) {
        AddGlow(sun.x, sun.y, glow, 255, 255, 255);
    } else {
        DrawDustGlow(sun);
    }
}

void FillDiscInEntry(const Sun& sun, int radius, int entry) {
    FillSmoothDisc(sun.x, sun.y, radius, PaletteColour(entry));
}

// The rim is the one-pixel ring of entry 16 left by the smaller disc of entry 31.
void DrawBlackSkySun(const Sun& sun) {
    const int divisor = rand() % 120 + 40;
    const int radius = sun.size * 100 / divisor;
    FillDiscInEntry(sun, radius, kSunPaletteFirst);
    FillDiscInEntry(sun, radius - 1, kSunPaletteLast);
}

}  // namespace

void DrawSuns() {
    if (!Plan.sunVisible) return;
    Sun suns[2];
    int count = 0;
    if (Plan.sunCount > 1) suns[count++] = PlaceCompanion();
    const int mainSize = NextRandomValue() % 7 + 6;
    suns[count++] = {Plan.sunX, Plan.sunY, mainSize};
    const int skyHeight = Plan.bands[kSkyBand].bottomRow - Plan.bands[kSkyBand].topRow;
    const int glowDraw = rand();  // drawn in every scene with suns, used only by the glows
    const int glow = glowDraw % (skyHeight * 5 / 12) + skyHeight / 4;
    for (int i = 0; i < count; ++i) {
        if (Plan.gradientSky) {
            DrawLitSkySun(suns[i], glow);
        } else {
            DrawBlackSkySun(suns[i]);
        }
    }
    Plan.eclipticX -= mainSize + 3 * Plan.sunSize;
}

}  // namespace vorrith
