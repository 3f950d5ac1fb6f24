// The system tick count as the picture library's millisecond clock, so that image
// number -1 and the saver's reseeding read the same clock as the render loop.
#pragma once

namespace vorrith {

void InstallTickCountClock();

}  // namespace vorrith
