// The process-wide picture state every layer draws with: the canvas, the scene extent
// and the inclusive clip bounds. CreateCanvas sets all of them up together with every
// table drawing reads, so a picture can be drawn with this library alone; one thread at
// a time draws.
#pragma once

#include <cstdint>

#include "core/surface.h"

namespace vorrith {

extern Surface Canvas;

extern int32_t SceneWidth;
extern int32_t SceneHeight;
extern int32_t ClipLeft;
extern int32_t ClipTop;
extern int32_t ClipRight;
extern int32_t ClipBottom;

constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 480;

// Sets the scene extent, builds the sine table and allocates the canvas; on success sets
// the clip bounds to the whole canvas. A failure (the canvas's Allocate result: already
// allocated, an invalid size, out of memory) leaves the clip bounds as they were.
AllocateResult CreateCanvas(int width, int height);
void ReleaseCanvas();

}  // namespace vorrith
