// The page's slideshow: the saver's render loop, stepped by the page on its animation
// frames with the page's clock. Full screen, the fades zoom between native size and the
// largest 4:3 rectangle of the screen, as on each of the saver's monitors. Unlike the saver it never
// reseeds inside a picture, so each picture is the one its image number names, and the
// page can put that number in the address.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>

#include "present/frame_buffers.h"
#include "present/render_geometry.h"
#include "present/render_loop.h"

namespace {

// What the page does after a step; the page's script reads the same numbers.
enum SlideshowAction : int32_t {
    kSlideshowWait = 0,
    kSlideshowShowCanvas = 1,           // stretch the canvas onto dest
    kSlideshowShowCanvasLowMemory = 2,  // the same, then "Low Memory !" over the area
    kSlideshowShowLowMemoryNote = 3,    // only the note
    kSlideshowStopped = 4,
};

// Read by the page's script as seven 32-bit words in this order.
struct SlideshowAnswer {
    int32_t action;
    vorrith::ScreenRect dest;  // screen coordinates
    int32_t imageNumber;       // the picture the canvas holds
    uint32_t wakeTick;         // step again at this tick
};

vorrith::ControlWord control{0};  // never stop from inside, never reseed
std::unique_ptr<vorrith::RenderLoop> slideshow;
vorrith::ScreenRect area{};
SlideshowAnswer answer{};

SlideshowAction ActionFor(vorrith::RenderAction action) {
    switch (action) {
    case vorrith::RenderAction::kWait: return kSlideshowWait;
    case vorrith::RenderAction::kShowCanvas: return kSlideshowShowCanvas;
    case vorrith::RenderAction::kShowCanvasLowMemory: return kSlideshowShowCanvasLowMemory;
    case vorrith::RenderAction::kShowLowMemoryNote: return kSlideshowShowLowMemoryNote;
    case vorrith::RenderAction::kStopped: break;
    }
    return kSlideshowStopped;
}

}  // namespace

extern "C" {

// Starts a slideshow on a screenWidth x screenHeight screen (device pixels) at tick now;
// the first picture is due at once. The loop owns the frame buffers while it runs.
// Without zoom (for people who ask for less motion) every frame of a fade covers the
// whole 4:3 area: a plain cross-fade.
EMSCRIPTEN_KEEPALIVE void VorrithSlideshowStart(int32_t screenWidth, int32_t screenHeight, uint32_t now, bool zoom) {
    slideshow.reset();
    vorrith::DestroyFrameBuffers();
    area = vorrith::PictureAreaRect({0, 0, screenWidth, screenHeight});
    const vorrith::ScreenRect client{0, 0, area.right - area.left, area.bottom - area.top};
    slideshow = std::make_unique<vorrith::RenderLoop>(client, zoom, control, now);
}

// Does what is due at tick now (perhaps drawing a whole picture) and says what to show.
EMSCRIPTEN_KEEPALIVE const SlideshowAnswer* VorrithSlideshowStep(uint32_t now) {
    if (!slideshow) {
        answer = {kSlideshowStopped, {}, -1, now};
        return &answer;
    }
    const vorrith::RenderStep step = slideshow->Step(now);
    answer.action = ActionFor(step.action);
    answer.dest = vorrith::OffsetRect(step.dest, area.left, area.top);
    answer.imageNumber = slideshow->ImageNumber();
    answer.wakeTick = step.wakeTick;
    return &answer;
}

bool VorrithStart();  // web/picture_exports.cpp

// Ends the slideshow and gives browsing its canvas back (false when there is no memory).
EMSCRIPTEN_KEEPALIVE bool VorrithSlideshowStop() {
    slideshow.reset();
    return VorrithStart();
}

}  // extern "C"
