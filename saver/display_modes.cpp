#include "saver/display_modes.h"

namespace vorrith {

const DisplayMode kSaverDisplayModes[kDisplayModeCount] = {
    {640, 480, 24}, {640, 480, 32}, {800, 600, 24}, {800, 600, 32}};

int SwitchToSaverDisplayMode(DisplayModeSetter& setter) {
    for (int i = 0; i < kDisplayModeCount; ++i) {
        if (setter.TrySetMode(kSaverDisplayModes[i])) return i;
    }
    return -1;
}

}  // namespace vorrith
