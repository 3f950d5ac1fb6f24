#include "layers/ground/rock_field.h"

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/ground/rock.h"

namespace vorrith {
namespace {

constexpr int kRockLowIndex = 128;

// What the groups of one depth layer share.
struct RockLayer {
    int number;     // i, 1 for the farthest layer
    int spacing;    // b, doubles layer by layer
    int start;      // the layer's base row
    int heightScale;  // d
    int gap;          // gx, extra room between groups (may be 0)
    int highIndex;
};

// A rock, then its pebbles: outside the pair, left of the left rock and right of the
// right one.
void DrawRockWithPebbles(const RockLayer& layer, int groupLeft, int offset, int inwardStep, int row) {
    const int width = layer.gap == 0 ? 1 : layer.gap;
    const int height = layer.heightScale == 0 ? 1 : layer.heightScale;
    const int t1 = NextRandomValue();
    const int t2 = NextRandomValue();
    const int t3 = NextRandomValue();
    const int x = groupLeft + offset + t1 % inwardStep;
    const int w = t2 % ((3 * width) / 4 + 1) + width / 8 + 1;
    const int h = t3 % ((3 * height) / 4 + 1) + height / 8 + 1;
    DrawRock(x, row, w, h, kRockLowIndex, layer.highIndex);
    const int pebbles = NextRandomValue() % 4 + 3;
    for (int k = 0; k < pebbles; ++k) {
        const int m = NextRandomValue() % w + 1;
        const int pw = NextRandomValue() % (w / 2 + 1) + w / 8;
        const int ph = NextRandomValue() % (h / 2 + 1) + h / 8;
        DrawRock(offset != 0 ? x + m : x - m, row + 1, pw, ph, kRockLowIndex, layer.highIndex);
    }
}

// One group at column x; returns the column of the next group.
int DrawRockGroup(const RockLayer& layer, int x) {
    JumpRandomCursor();
    const int t1 = NextRandomValue();
    int width = t1 % (layer.spacing + 1) + layer.spacing / 8 + 1;
    const int t2 = NextRandomValue();
    const int baseRow = layer.start + 2 * (t2 % (2 * layer.number)) - 2 * layer.number;
    const int t3 = NextRandomValue();
    int rows = t3 % 3 + 3;
    if (width < 8) {
        const int t4 = NextRandomValue();
        rows = (t4 & 1) + 1;
    }
    const int inwardStep = width / (2 * rows - 1) + 1;
    const int rowStep = (width / rows) / 8 + 1;
    int groupLeft = x - width / 2;
    for (int row = baseRow + rowStep; width != 0 && row < baseRow + rows; row += rowStep) {
        if (width > 0) {
            DrawRockWithPebbles(layer, groupLeft, 0, inwardStep, row);
            DrawRockWithPebbles(layer, groupLeft, width, inwardStep, row);
        }
        groupLeft += inwardStep;
        width -= 2 * inwardStep;
    }
    const int t5 = NextRandomValue();
    return x + (t5 % layer.spacing + layer.spacing) / 2 + layer.gap;
}

}  // namespace

void DrawRockField() {
    const int r = rand();
    const int k = (r & 3) + 2;
    RockLayer layer{};
    layer.spacing = (ClipBottom - Plan.horizonRow) / (k * k);
    layer.start = Plan.horizonRow + layer.spacing;
    layer.highIndex = 159;
    for (int i = 1; i <= k + 1; ++i) {
        layer.number = i;
        layer.spacing *= 2;
        const int t1 = NextRandomValue();
        layer.heightScale = layer.spacing / (t1 % 5 + 3);
        const int t2 = NextRandomValue();
        layer.gap = layer.spacing / (t2 % 4 + 1);
        for (int x = ClipLeft; x < ClipRight;) x = DrawRockGroup(layer, x);
        layer.start += layer.spacing;
        layer.highIndex -= 2;
    }
}

}  // namespace vorrith
