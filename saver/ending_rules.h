// When a running full-screen saver ends: at any key or mouse button, when the cursor
// travels more than 4 pixels (|dx| + |dy|) from where travel is measured, when another
// program becomes active, and when the system suspends or resumes. A power report,
// which a laptop sends every few minutes, does not end it. Small cursor moves never get
// here: the saver window's dead zone absorbs them first (kMouseDeadZone in
// saver/saver_window.h, which says why there are two rules).
//
// Each platform maps its messages onto InputEvents and decides how the saver then ends
// (at once, or after a password check). A preview is ended by whoever shows it.
#pragma once

#include <cstdint>

#include "saver/input_event.h"

namespace vorrith {

constexpr uint32_t kMouseTravelLimit = 4;

// Travel |dx| + |dy| strictly above kMouseTravelLimit, compared unsigned.
bool ExceedsMouseTravel(CursorPoint last, CursorPoint now);

class EndingRules {
public:
    // Measures travel from cursor on: where the cursor was when the saver started, or
    // where it was when an ending was refused (a wrong password).
    void MeasureTravelFrom(CursorPoint cursor) { travelOrigin_ = cursor; }

    // True when the event ends the saver. A move that ends it becomes the origin of the
    // next travel, so that only a further move of the same size ends it again.
    bool EndsSaver(const InputEvent& event);

private:
    CursorPoint travelOrigin_{};
};

}  // namespace vorrith
