#include "present/frame_buffers.h"

#include <cstring>

namespace vorrith {

Surface Incoming;
Surface Outgoing;

FrameBufferSet CreateFrameBuffers(int width, int height, FrameBufferSet wanted) {
    if (CreateCanvas(width, height) != kAllocated) return kNoFrameBuffers;
    if (wanted != kCanvasAndFadeBuffers) return kCanvasOnly;
    if (Incoming.Allocate(width, height) != kAllocated) return kCanvasOnly;
    if (Outgoing.Allocate(width, height) != kAllocated) {
        Incoming.Release();
        return kCanvasOnly;
    }
    std::memset(Incoming.pixels, 0, static_cast<size_t>(Incoming.stride) * Incoming.height);
    return kCanvasAndFadeBuffers;
}

void DestroyFrameBuffers() {
    ReleaseCanvas();
    Incoming.Release();
    Outgoing.Release();
}

void RotateFrameBuffers() {
    uint8_t* oldOutgoing = Outgoing.pixels;
    Outgoing.pixels = Incoming.pixels;
    Incoming.pixels = Canvas.pixels;
    Canvas.pixels = oldOutgoing;
}

}  // namespace vorrith
