#include "core/random.h"
#include "core/sine_table.h"
#include "layers/sky/galaxy_shape.h"
#include "layers/sky/glow_sprite.h"

namespace vorrith {
namespace {

constexpr float kArmShare = 0.04f;
constexpr int kArmCount = 3;
constexpr int kArmStep = 15;    // angle units turned and positions advanced per step
constexpr int kArmTurn = 1600;  // the arms run out over this many angle units (1590 drawn)

struct ArmColour {
    int red, green, blue;
};

GlowSprite MakeTintedSprite(const ArmColour& colour, int radius) {
    int red = colour.red;
    int green = colour.green;
    int blue = colour.blue;
    VaryColour(red, green, blue);
    return MakeGlowSprite(radius, {red, green, blue});
}

// Three large sprites near the arm point, then nine small ones scattered wider.
void DrawArmPoint(int x, int y, int e, const GlowSprite& large, int largeRadius, const GlowSprite& small,
                  int smallRadius) {
    if (large) {
        for (int n = 0; n < 3; ++n) {
            const int dx = e / 6 - rand() % (e / 3);
            const int dy = e / 6 - rand() % (e / 3);
            AddGlowSprite(large, x + dx, y + dy, largeRadius);
        }
    }
    if (small) {
        for (int n = 0; n < 9; ++n) {
            const int dx = e - rand() % (2 * e);
            const int dy = e - rand() % (2 * e);
            AddGlowSprite(small, x + dx, y + dy, smallRadius);
        }
    }
}

}  // namespace

void DrawSpiralArms(const GalaxyShape& shape) {
    const ArmColour colour{RoundShare(shape.red, kArmShare), RoundShare(shape.green, kArmShare),
                           RoundShare(shape.blue, kArmShare)};
    int a0 = rand();
    for (int s = 0; s < kArmTurn; s += kArmStep) {
        const int e = shape.coreRadius + (shape.outerRadius - shape.coreRadius) * s / kArmTurn;
        const int u = e / 15 + 1;
        const GlowSprite large = MakeTintedSprite(colour, 3 * u);
        const GlowSprite small = MakeTintedSprite(colour, u);
        for (int k = 0; k < kArmCount; ++k) {
            const int angle = a0 + kAngleUnitsPerTurn * k / kArmCount;
            const int x = shape.centreX + MulQ15(e, TableCos(angle));
            const int y = shape.centreY + MulQ15(e, TableSin(angle));
            DrawArmPoint(x, y, e, large, 3 * u, small, u);
        }
        a0 += kArmStep;
    }
}

}  // namespace vorrith
