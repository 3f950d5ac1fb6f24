#include "present/frame_buffers.h"

#include <cstring>

namespace vorrith {

Surface incoming;
Surface outgoing;

FrameBufferSet CreateFrameBuffers(int width, int height, FrameBufferSet wanted) {
    if (CreateCanvas(width, height) != kAllocated) return kNoFrameBuffers;
    if (wanted != kCanvasAndFadeBuffers) return kCanvasOnly;
    if (incoming.Allocate(width, height) != kAllocated) return kCanvasOnly;
    if (outgoing.Allocate(width, height) != kAllocated) {
        incoming.Release();
        return kCanvasOnly;
    }
    std::memset(incoming.pixels, 0, static_cast<size_t>(incoming.stride) * incoming.height);
    return kCanvasAndFadeBuffers;
}

void DestroyFrameBuffers() {
    ReleaseCanvas();
    incoming.Release();
    outgoing.Release();
}

void RotateFrameBuffers() {
    uint8_t* oldOutgoing = outgoing.pixels;
    outgoing.pixels = incoming.pixels;
    incoming.pixels = canvas.pixels;
    canvas.pixels = oldOutgoing;
}

}  // namespace vorrith
