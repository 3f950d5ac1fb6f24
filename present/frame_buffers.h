// The three picture buffers: the canvas every scene is drawn on, and the two frame
// buffers of the cross-fade (incoming: the newest picture; outgoing: the one shown
// before it). Only pixel buffers move between them, never headers.
#pragma once

#include "core/canvas.h"
#include "core/surface.h"

namespace vorrith {

extern Surface Incoming;
extern Surface Outgoing;

// The buffers a caller asks CreateFrameBuffers for, and the ones it got.
enum FrameBufferSet { kNoFrameBuffers, kCanvasOnly, kCanvasAndFadeBuffers };

// Creates the canvas (CreateCanvas) and, when asked for kCanvasAndFadeBuffers, both fade
// buffers with incoming cleared to black, or neither. Returns the set it made:
// kNoFrameBuffers when the canvas cannot be created (also when one exists already),
// kCanvasOnly when the fade buffers were not asked for or cannot be allocated.
FrameBufferSet CreateFrameBuffers(int width, int height, FrameBufferSet wanted);
// Releases whatever the three Surfaces hold.
void DestroyFrameBuffers();
// The canvas alone for as long as it lives (a program that draws pictures to write them,
// with no cross-fade); ready() is false when it could not be created.
class CanvasInUse {
public:
    CanvasInUse() : ready_(CreateFrameBuffers(kPictureWidth, kPictureHeight, kCanvasOnly) == kCanvasOnly) {}
    ~CanvasInUse() { DestroyFrameBuffers(); }
    CanvasInUse(const CanvasInUse&) = delete;
    CanvasInUse& operator=(const CanvasInUse&) = delete;
    bool ready() const { return ready_; }

private:
    bool ready_;
};

// outgoing <- incoming <- canvas <- outgoing, by exchanging buffers.
void RotateFrameBuffers();

}  // namespace vorrith
