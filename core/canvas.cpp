#include "core/canvas.h"

#include "core/sine_table.h"

namespace vorrith {

Surface canvas;

int32_t SceneWidth = 0;
int32_t SceneHeight = 0;
int32_t ClipLeft = 0;
int32_t ClipTop = 0;
int32_t ClipRight = 0;
int32_t ClipBottom = 0;

CanvasResult CreateCanvas(int width, int height) {
    SceneWidth = width;
    SceneHeight = height;
    BuildSineTable();
    if (canvas.Allocate(width, height) != kAllocated) return kCanvasUnavailable;
    ClipLeft = 0;
    ClipTop = 0;
    ClipRight = width - 1;
    ClipBottom = height - 1;
    return kCanvasCreated;
}

void ReleaseCanvas() { canvas.Release(); }

}  // namespace vorrith
