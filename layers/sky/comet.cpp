#include "layers/sky/comet.h"

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "core/sine_table.h"
#include "layers/sky/brighten_burst.h"

namespace vorrith {
namespace {

constexpr int kHeadFactor = 270;
constexpr int kTailFactor = 265;
constexpr int kRaySpacing = 5;  // angle units between neighbouring rays of the fan

struct CometHead {
    int x, y;
};

// Kept left of the sun and in the upper half of the sky; drawn again while it would sit
// within 8 pixels up-left of the sun.
CometHead PlaceHead(int length) {
    CometHead head{};
    do {
        const int xDraw = rand();
        head.x = xDraw % (Plan.sunX - length / 4 - ClipLeft);
        const int yDraw = rand();
        head.y = (yDraw % (length / 4 - ClipTop + Plan.horizonRow)) / 2;
    } while (Plan.sunX - head.x < 8 && Plan.sunY - head.y < 8);
    return head;
}

// One ray from 2 pixels behind the head outwards; a fresh draw before every point decides
// whether it goes on, so the ray ends somewhere between length - reach and length - 1.
void DrawTailRay(const CometHead& head, int angle, int length, int reach) {
    const int top = Plan.bands[kSkyBand].topRow;
    const int bottom = Plan.bands[kSkyBand].bottomRow;
    for (int j = 2;; ++j) {
        const int cut = rand() % reach;
        if (j >= length - cut) return;
        const int px = head.x - MulQ15(j, TableCos(angle));
        const int py = head.y - MulQ15(j, TableSin(angle));
        SkipRandomValues(4);  // two after each coordinate
        if (px >= ClipLeft && px <= ClipRight && py >= top && py < bottom) Canvas.ScalePixel(px, py, kTailFactor);
    }
}

// The fan of rays is drawn several times, from a single ray on the axis out to the full
// spread around the direction, each time a little shorter and less ragged, so the rays
// near the axis are drawn again and the axis is brightest.
void DrawTail(const CometHead& head, int direction, int length) {
    const int spreadDraw = rand() % 40 + 32;
    const int spread = kAngleUnitsPerTurn / spreadDraw;
    const int widenings = rand() % 3 + 3;
    int raggedness = 3 * length;  // five times the ray ends' range
    for (int halfWidth = 0; halfWidth <= spread; halfWidth += spread / widenings) {
        const int reach = raggedness / 5;
        for (int angle = direction - halfWidth; angle <= direction + halfWidth; angle += kRaySpacing) {
            const int jitter = rand() & 3;
            DrawTailRay(head, angle + jitter, length, reach);
        }
        length -= 2;
        raggedness -= 6;
    }
}

}  // namespace

void DrawComet() {
    if (!Plan.gradientSky) return;
    if ((rand() & 1) == 0) return;
    const int width = ClipRight - ClipLeft;
    const int lengthDraw = rand();
    const int length = (width / 4 + lengthDraw % (width / 5)) / 2;
    const CometHead head = PlaceHead(length);
    const int direction = rand() % kAngleUnitsPerTurn;
    const int headRadius = (rand() & 7) + 15;
    BrightenBurst(head.x, head.y, 0, headRadius, kHeadFactor);
    DrawTail(head, direction, length);
}

}  // namespace vorrith
