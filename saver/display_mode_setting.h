// The one setting kept between runs: whether the full-screen saver switches the primary
// monitor to 640 x 480. It is stored as the number ChangeDisplayMode, 1 or 0; a missing
// or unreadable value means 1, the switch. Flat panels blank to resync and scale the
// picture on a mode change, so users may turn it off.
#pragma once

#include <cstdint>

namespace vorrith {

constexpr const char* kChangeDisplayModeValue = "ChangeDisplayMode";

// The program's stored settings for the current user: numbers by name.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // False when the value is missing, of another type or cannot be read.
    virtual bool ReadNumber(const char* name, uint32_t& value) = 0;
    // Creates the store when needed; false when the value could not be stored.
    virtual bool WriteNumber(const char* name, uint32_t value) = 0;
};

// 0 turns the switch off; any other stored number, or none, leaves it on.
bool ReadChangeDisplayMode(SettingsStore& store);
bool WriteChangeDisplayMode(SettingsStore& store, bool change);

}  // namespace vorrith
