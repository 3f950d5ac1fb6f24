#include "core/canvas.h"
#include "core/random.h"
#include "core/sine_table.h"
#include "layers/sky/galaxy_shape.h"
#include "layers/sky/glow_sprite.h"

namespace vorrith {
namespace {

// A star's light per channel: m at its centre pixel, q = m / 2 around it.
struct StarLight {
    int mRed, mGreen, mBlue;
    int qRed, qGreen, qBlue;
};

void Add(int x, int y, int red, int green, int blue) { Canvas.AddPixel(x, y, red, green, blue); }

void AddCross(int x, int y, const StarLight& l) {
    Add(x, y - 1, l.qRed, l.qGreen, l.qBlue);
    Add(x - 1, y, l.qRed, l.qGreen, l.qBlue);
    Add(x, y, l.mRed, l.mGreen, l.mBlue);
    Add(x + 1, y, l.qRed, l.qGreen, l.qBlue);
    Add(x, y + 1, l.qRed, l.qGreen, l.qBlue);
}

// A 4 x 3 blob around (x, y) and (x + 1, y), brightest on the middle pair.
void AddBlob(int x, int y, const StarLight& l) {
    const int hr = l.qRed / 2, hg = l.qGreen / 2, hb = l.qBlue / 2;
    const int br = 3 * l.qRed / 2, bg = 3 * l.qGreen / 2, bb = 3 * l.qBlue / 2;
    Add(x, y - 1, l.qRed, l.qGreen, l.qBlue);
    Add(x + 1, y - 1, l.qRed, l.qGreen, l.qBlue);
    Add(x - 1, y, hr, hg, hb);
    Add(x, y, br, bg, bb);
    Add(x + 1, y, br, bg, bb);
    Add(x + 2, y, hr, hg, hb);
    Add(x, y + 1, l.qRed, l.qGreen, l.qBlue);
    Add(x + 1, y + 1, l.qRed, l.qGreen, l.qBlue);
}

// The galaxy's colour averaged with a random star colour.
StarLight DrawStarLight(int galaxyRed, int galaxyGreen, int galaxyBlue) {
    int red, green, blue;
    DrawGalaxyColour(red, green, blue);
    StarLight l{};
    l.mRed = (galaxyRed + red) / 2;
    l.mGreen = (galaxyGreen + green) / 2;
    l.mBlue = (galaxyBlue + blue) / 2;
    l.qRed = l.mRed / 2;
    l.qGreen = l.mGreen / 2;
    l.qBlue = l.mBlue / 2;
    return l;
}

}  // namespace

void SprinkleGalaxyStars(const GalaxyShape& shape) {
    const int galaxyRed = RoundColour(shape.red);
    const int galaxyGreen = RoundColour(shape.green);
    const int galaxyBlue = RoundColour(shape.blue);
    const int count = shape.outerRadius * shape.outerRadius / 100;
    const int reach = shape.outerRadius * 11 / 10;
    for (int i = 0; i < count; ++i) {
        const int d = rand() % reach;
        const int a = rand();
        const int x = shape.centreX + MulQ15(d, TableCos(a));
        const int y = shape.centreY + MulQ15(d, TableSin(a));
        const StarLight light = DrawStarLight(galaxyRed, galaxyGreen, galaxyBlue);
        const int kind = rand() % 100;
        if (kind < 40) {
            Add(x, y, light.mRed, light.mGreen, light.mBlue);
        } else if (kind < 80) {
            AddCross(x, y, light);
        } else {
            AddBlob(x, y, light);
        }
    }
}

}  // namespace vorrith
