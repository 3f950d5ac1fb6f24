#include "saver/display_mode_setting.h"

namespace vorrith {

bool ReadChangeDisplayMode(SettingsStore& store) {
    uint32_t value = 1;
    if (!store.ReadNumber(kChangeDisplayModeValue, value)) return true;
    return value != 0;
}

bool WriteChangeDisplayMode(SettingsStore& store, bool change) {
    return store.WriteNumber(kChangeDisplayModeValue, change ? 1u : 0u);
}

}  // namespace vorrith
