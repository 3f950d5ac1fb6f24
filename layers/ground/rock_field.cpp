#include "layers/ground/rock_field.h"

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/ground/rock.h"

namespace vorrith {
namespace {

// What the groups of one depth layer share.
struct RockLayer {
    int number;       // 1 for the farthest layer
    int spacing;      // doubles layer by layer
    int start;        // the layer's base row
    int heightScale;  // rock heights are drawn from it
    int gap;          // extra room between groups (may be 0); rock widths are drawn from it
    int highIndex;
};

// A rock, then its pebbles: outside the pair, left of the left rock and right of the
// right one.
void DrawRockWithPebbles(const RockLayer& layer, int groupLeft, int offset, int inwardStep, int row) {
    const int widthScale = layer.gap == 0 ? 1 : layer.gap;
    const int heightScale = layer.heightScale == 0 ? 1 : layer.heightScale;
    const int place = NextRandomValue();
    const int widthDraw = NextRandomValue();
    const int heightDraw = NextRandomValue();
    const int x = groupLeft + offset + place % inwardStep;
    const int w = widthDraw % ((3 * widthScale) / 4 + 1) + widthScale / 8 + 1;
    const int h = heightDraw % ((3 * heightScale) / 4 + 1) + heightScale / 8 + 1;
    DrawRock(x, row, w, h, kGroundPaletteFirst, layer.highIndex);
    const int pebbles = NextRandomValue() % 4 + 3;
    for (int k = 0; k < pebbles; ++k) {
        const int distance = NextRandomValue() % w + 1;
        const int pebbleWidth = NextRandomValue() % (w / 2 + 1) + w / 8;
        const int pebbleHeight = NextRandomValue() % (h / 2 + 1) + h / 8;
        DrawRock(offset != 0 ? x + distance : x - distance, row + 1, pebbleWidth, pebbleHeight, kGroundPaletteFirst,
                 layer.highIndex);
    }
}

// One group at column x; returns the column of the next group.
int DrawRockGroup(const RockLayer& layer, int x) {
    JumpRandomCursor();
    const int widthDraw = NextRandomValue();
    int width = widthDraw % (layer.spacing + 1) + layer.spacing / 8 + 1;
    const int rowDraw = NextRandomValue();
    const int baseRow = layer.start + 2 * (rowDraw % (2 * layer.number)) - 2 * layer.number;
    const int rowsDraw = NextRandomValue();
    int rows = rowsDraw % 3 + 3;
    if (width < 8) {  // narrow groups get one or two rows
        const int narrowRowsDraw = NextRandomValue();
        rows = (narrowRowsDraw & 1) + 1;
    }
    const int inwardStep = width / (2 * rows - 1) + 1;
    const int rowStep = (width / rows) / 8 + 1;
    int groupLeft = x - width / 2;
    // Pairs close in by inwardStep a row; once the width turns negative rows pass empty.
    for (int row = baseRow + rowStep; width != 0 && row < baseRow + rows; row += rowStep) {
        if (width > 0) {
            DrawRockWithPebbles(layer, groupLeft, 0, inwardStep, row);
            DrawRockWithPebbles(layer, groupLeft, width, inwardStep, row);
        }
        groupLeft += inwardStep;
        width -= 2 * inwardStep;
    }
    const int gapDraw = NextRandomValue();
    return x + (gapDraw % layer.spacing + layer.spacing) / 2 + layer.gap;
}

}  // namespace

void DrawRockField() {
    const int r = rand();
    const int k = (r & 3) + 2;
    RockLayer layer{};
    layer.spacing = (ClipBottom - Plan.horizonRow) / (k * k);
    layer.start = Plan.horizonRow + layer.spacing;
    layer.highIndex = kGroundPaletteLast;
    for (int i = 1; i <= k + 1; ++i) {
        layer.number = i;
        layer.spacing *= 2;
        const int heightDraw = NextRandomValue();
        layer.heightScale = layer.spacing / (heightDraw % 5 + 3);
        const int gapDraw = NextRandomValue();
        layer.gap = layer.spacing / (gapDraw % 4 + 1);
        for (int x = ClipLeft; x < ClipRight;) x = DrawRockGroup(layer, x);
        layer.start += layer.spacing;
        layer.highIndex -= 2;
    }
}

}  // namespace vorrith
