// The program's settings key, HKCU\Software\Vorrith, as a SettingsStore: each number
// is a DWORD value of the key.
#pragma once

#include "saver/display_mode_setting.h"

namespace vorrith {

class RegistrySettingsStore : public SettingsStore {
public:
    bool ReadNumber(const char* name, uint32_t& value) override;
    bool WriteNumber(const char* name, uint32_t value) override;
};

}  // namespace vorrith
