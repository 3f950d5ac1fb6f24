#include "layers/ground/crater_rows.h"

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/shapes/ellipse_shading.h"

namespace vorrith {
namespace {

void DrawCraterRow(int y, int sizeLimit) {
    const int count = NextRandomValue() % 8;
    if (count == 0) return;
    const int slot = ClipRight / count;
    for (int l = 0; l < count; ++l) {
        const int p = NextRandomValue();
        const int q = NextRandomValue();
        const int s = NextRandomValue();
        DrawCrater(q % sizeLimit + 3, l * slot + p % slot, y, (s & 7) == 0);
    }
}

}  // namespace

void DrawCraterRows() {
    const int rows = rand() % 3 + 3;
    int sizeLimit = (ClipBottom - Plan.horizonRow) / (rows * rows);
    for (int k = 0; k < rows; ++k) {
        sizeLimit *= 2;  // also the spacing of the rows, doubling toward the viewer
        DrawCraterRow(Plan.horizonRow + (k * sizeLimit) / 3, sizeLimit);
    }
}

void DrawCrater(int size, int x, int y, bool deep) {
    if (size <= 1) return;
    const int upperSize = size - (size >> 1);  // the far half is about half as deep
    if (upperSize <= 1) return;
    const int strength = 1 + (NextRandomValue() & 1);
    if (deep) ShadeEllipse({x, y, 8 * size - 1, size - 1, upperSize - 1, 0, kGroundBand, -1, kNoClipCircle});
    ShadeEllipse({x, y, 8 * size, size, upperSize, 0, kGroundBand, -strength, kNoClipCircle});
    ShadeEllipse({x + 1, y - 1, 8 * size, size, upperSize, 0, kGroundBand, strength, kNoClipCircle});
}

}  // namespace vorrith
