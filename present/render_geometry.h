// Where and when the render loop shows a frame: the fade levels, the zoom rectangles of
// the full-screen saver, and the tick-count deadlines.
//
// A fade runs 27 frames at levels 22, 31, ..., 256, so it ends on an exact copy of the
// new picture. Full screen, zoom direction 0 grows the picture from its native 640 x 480,
// centred, to the whole client area over steps 0 ... 26; direction 1 shrinks it back.
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

// The frame rectangle at zoom step 0 ... 26 in a cw x ch client area.
ScreenRect ZoomRect(int32_t cw, int32_t ch, int step, int direction);

// Tick counts wrap every 49.7 days, so deadlines are compared by their signed
// difference: a deadline up to 24.8 days ahead is ahead even when it wrapped past 2^32.
inline int32_t TicksUntil(uint32_t now, uint32_t deadline) { return static_cast<int32_t>(deadline - now); }
inline bool DeadlineReached(uint32_t now, uint32_t deadline) { return TicksUntil(now, deadline) <= 0; }

}  // namespace vorrith
