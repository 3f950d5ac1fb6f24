#include "layers/ground/stretch_levels.h"

#include <algorithm>

namespace vorrith {

void StretchLevels(uint8_t* buffer, int length, int low, int high) {
    if (length <= 0) return;
    const auto [lowest, highest] = std::minmax_element(buffer, buffer + length);
    const int mn = *lowest;
    const int mx = *highest;
    if (mn == mx) {
        std::fill(buffer, buffer + length, uint8_t{128});
        return;
    }
    uint8_t level[256];
    for (int v = mn; v <= mx; ++v) level[v] = static_cast<uint8_t>(low + ((v - mn) * (high - low)) / (mx - mn));
    for (int i = 0; i < length; ++i) buffer[i] = level[buffer[i]];
}

}  // namespace vorrith
