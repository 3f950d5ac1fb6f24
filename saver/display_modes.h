// The display modes the full-screen saver asks for, in order of preference, and the
// switch that tries them: 640 x 480 at 24 and 32 bits, then 800 x 600 at 24 and 32.
// Every change is temporary; the saver window restores the desktop's own mode when it
// closes, whether or not a change succeeded.
#pragma once

#include <cstdint>

namespace vorrith {

struct DisplayMode {
    uint32_t width;
    uint32_t height;
    uint32_t bitsPerPixel;
};

constexpr int kDisplayModeCount = 4;
extern const DisplayMode kSaverDisplayModes[kDisplayModeCount];

class DisplayModeSetter {
public:
    virtual ~DisplayModeSetter() = default;
    // A temporary full-screen change; true when the system accepted it.
    virtual bool TrySetMode(const DisplayMode& mode) = 0;
    // Back to the mode the desktop is set to run in.
    virtual void RestoreDesktopMode() = 0;
};

// Tries the modes in order and stops at the first accepted; false when the display
// keeps its mode.
bool SwitchToSaverDisplayMode(DisplayModeSetter& setter);

}  // namespace vorrith
