#include "saver/display_modes.h"

namespace vorrith {

const DisplayMode kSaverDisplayModes[kDisplayModeCount] = {
    {640, 480, 24}, {640, 480, 32}, {800, 600, 24}, {800, 600, 32}};

bool SwitchToSaverDisplayMode(DisplayModeSetter& setter) {
    for (const DisplayMode& mode : kSaverDisplayModes) {
        if (setter.TrySetMode(mode)) return true;
    }
    return false;
}

}  // namespace vorrith
