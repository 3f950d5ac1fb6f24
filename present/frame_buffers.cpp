#include "present/frame_buffers.h"

#include <cstring>
#include <utility>

#include "core/sine_table.h"

namespace vorrith {

// Constructed in this order and destroyed in reverse at exit.
Surface canvas;
Surface incoming;
Surface outgoing;

int32_t SceneWidth = 0;
int32_t SceneHeight = 0;
int32_t ClipLeft = 0;
int32_t ClipTop = 0;
int32_t ClipRight = 0;
int32_t ClipBottom = 0;

int CreateFrameBuffers(int width, int height, int flags) {
    SceneWidth = width;
    SceneHeight = height;
    BuildSineTable();
    if (canvas.Allocate(width, height) != 0) return 0;
    ClipLeft = 0;
    ClipTop = 0;
    ClipRight = width - 1;
    ClipBottom = height - 1;
    if ((flags & kWithFadeBuffers) == 0) return kCanvasReady;
    if (incoming.Allocate(width, height) != 0) return kCanvasReady;
    if (outgoing.Allocate(width, height) != 0) {
        incoming.Release();
        return kCanvasReady;
    }
    std::memset(incoming.pixels, 0, static_cast<size_t>(incoming.stride) * incoming.height);
    return kCanvasReady | kFadeBuffersReady;
}

int DestroyFrameBuffers() {
    canvas.Release();
    incoming.Release();
    outgoing.Release();
    return 0;
}

void RotateFrameBuffers() {
    uint8_t* oldOutgoing = outgoing.pixels;
    outgoing.pixels = incoming.pixels;
    incoming.pixels = canvas.pixels;
    canvas.pixels = oldOutgoing;
}

}  // namespace vorrith
