// The user's input and the system's events that can end a running saver, in plain terms
// that each platform maps its own messages onto.
#pragma once

#include <cstdint>

namespace vorrith {

// A cursor position in screen pixels.
struct CursorPoint {
    int32_t x;
    int32_t y;
};

enum class InputKind {
    kKey,              // a key pressed
    kMouseButton,      // a mouse button pressed
    kMouseMoved,       // the cursor moved; the event says where to
    kFocusLost,        // another program became the active one
    kSuspendOrResume,  // the system is about to suspend, or has resumed
    kPowerReport,      // news of the battery's charge, the power source or a power setting
};

struct InputEvent {
    InputKind kind;
    CursorPoint at{};  // the cursor's new position, for kMouseMoved
};

}  // namespace vorrith
