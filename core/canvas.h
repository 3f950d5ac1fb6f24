// The process-wide picture state every layer draws with: the canvas, the scene extent
// and the inclusive clip bounds. The frame buffers set them up (present/frame_buffers.h);
// one thread at a time draws.
#pragma once

#include <cstdint>

#include "core/surface.h"

namespace vorrith {

extern Surface canvas;

extern int32_t SceneWidth;
extern int32_t SceneHeight;
extern int32_t ClipLeft;
extern int32_t ClipTop;
extern int32_t ClipRight;
extern int32_t ClipBottom;

constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 480;

}  // namespace vorrith
