// Where and when the render loop shows a frame: the fade levels and the zoom rectangles
// of the full-screen saver.
//
// A fade runs 27 frames at levels 22, 31, ..., 256, so it ends on an exact copy of the
// new picture. Full screen, on each monitor, zoom direction 0 grows the picture from its
// native 640 x 480, centred, to the monitor's largest centred 4:3 rectangle over steps
// 0 ... 26; direction 1 shrinks it back.
#pragma once

#include <cstdint>

namespace vorrith {

struct ScreenRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

constexpr int kFirstFadeLevel = 22;
constexpr int kFadeLevelStep = 9;
constexpr int kLastFadeLevel = 256;
constexpr int kZoomSteps = 26;
constexpr uint32_t kFramePeriodMs = 100;
constexpr uint32_t kPictureHoldMs = 2700;
constexpr uint32_t kHoldPollMs = 50;

// The picture at native size centred in a cw x ch client area (may overhang it).
ScreenRect NativeCentredRect(int32_t cw, int32_t ch);

// Several monitors: the full-screen window covers the virtual screen, the smallest
// rectangle holding every monitor (an empty list gives an empty rectangle). Monitors
// are in screen coordinates, which may be negative left of or above the primary.
ScreenRect VirtualScreenRect(const ScreenRect* monitors, int count);

// The largest 4:3 rectangle centred on a monitor (halves truncated): the picture's shape
// is kept on wide and tall monitors, and the rest of the monitor stays black. An empty
// monitor gives an empty rectangle at its top left.
ScreenRect PictureAreaRect(const ScreenRect& monitor);

// The frame rectangle at zoom step 0 ... 26 on one monitor, in the coordinates the
// monitor is given in: between the picture's native size and the monitor's picture
// area, centred on the monitor.
ScreenRect MonitorZoomRect(const ScreenRect& monitor, int step, int direction);

// rect moved right by dx and down by dy.
ScreenRect OffsetRect(const ScreenRect& rect, int32_t dx, int32_t dy);

// A monitor in the full-screen window's client coordinates.
ScreenRect RelativeTo(const ScreenRect& rect, const ScreenRect& origin);

// Where a frame goes within an area (a monitor, or the whole client area), so that one
// frame can be placed on every monitor: stretched over the whole area, at native size
// centred, or at a zoom step within the area's 4:3 picture area.
enum class FrameFit : uint8_t { kWhole, kNative, kZoom };

struct FramePlacement {
    FrameFit fit;
    int zoomStep;
    int zoomDirection;
};

ScreenRect PlaceFrame(const FramePlacement& placement, const ScreenRect& area);

}  // namespace vorrith
