#include "core/canvas.h"

#include "core/sine_table.h"

namespace vorrith {

Surface Canvas;

int32_t SceneWidth = 0;
int32_t SceneHeight = 0;
int32_t ClipLeft = 0;
int32_t ClipTop = 0;
int32_t ClipRight = 0;
int32_t ClipBottom = 0;

AllocateResult CreateCanvas(int width, int height) {
    SceneWidth = width;
    SceneHeight = height;
    BuildSineTable();
    const AllocateResult result = Canvas.Allocate(width, height);
    if (result != kAllocated) return result;
    ClipLeft = 0;
    ClipTop = 0;
    ClipRight = width - 1;
    ClipBottom = height - 1;
    return kAllocated;
}

void ReleaseCanvas() { Canvas.Release(); }

}  // namespace vorrith
