// The three picture buffers: the canvas every scene is drawn on, and the two frame
// buffers of the cross-fade (incoming: the newest picture; outgoing: the one shown
// before it). Only pixel buffers move between them, never headers.
#pragma once

#include "core/canvas.h"
#include "core/surface.h"

namespace vorrith {

extern Surface incoming;
extern Surface outgoing;

constexpr int kWithFadeBuffers = 1;

// Result bits of CreateFrameBuffers.
constexpr int kCanvasReady = 1;
constexpr int kFadeBuffersReady = 2;

// Creates the canvas (CreateCanvas; 0 if that fails) and with kWithFadeBuffers
// allocates both fade buffers with incoming cleared to black (3), or neither (1).
int CreateFrameBuffers(int width, int height, int flags);
// Releases whatever the three Surfaces hold; always 0.
int DestroyFrameBuffers();
// outgoing <- incoming <- canvas <- outgoing, by exchanging buffers.
void RotateFrameBuffers();

}  // namespace vorrith
