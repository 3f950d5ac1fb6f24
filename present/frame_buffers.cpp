#include "present/frame_buffers.h"

#include <cstring>

namespace vorrith {

Surface incoming;
Surface outgoing;

int CreateFrameBuffers(int width, int height, int flags) {
    if (CreateCanvas(width, height) != 0) return 0;
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
    ReleaseCanvas();
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
