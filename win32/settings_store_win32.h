// The program's settings key, HKCU\Software\Vorrith, as a SettingsStore.
#pragma once

#include "saver/display_mode_setting.h"

namespace vorrith {

class RegistrySettingsStore : public SettingsStore {
public:
    bool ReadDword(const char* name, uint32_t& value) override;
    bool WriteDword(const char* name, uint32_t value) override;
};

}  // namespace vorrith
