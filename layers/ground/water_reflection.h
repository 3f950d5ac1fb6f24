// DrawWaterReflection: turns every row from horizonRow down into a sea mirroring the
// picture above it. Each water row copies a source row above the horizon, moved by a
// sine ripple that grows and lengthens toward the viewer and jittered per pixel by a
// table value; under a black sky dark colours are lifted to a floor taken from palette
// entry 132 (its bytes crosswise: byte 0 of a pixel is floored by the entry's red).
// A forward pass then averages every water row with the (already averaged) row above,
// smearing the colours downward. Four rand() draws, one table value per water pixel.
#pragma once

#include <cstdint>

namespace vorrith {

void DrawWaterReflection();

// The floor bytes for pixel bytes 0, 1, 2; all zero under a gradient sky.
struct WaterFloor {
    uint8_t byte[3];
};
WaterFloor WaterFloorColour();

}  // namespace vorrith
