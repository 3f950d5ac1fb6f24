// The scene plan of a picture in words, line by line, as `vorrith-render --describe`
// prints it: the picture in a sentence, then scene type, horizon, sky, suns, ecliptic,
// planet, layer choices and the palette bands' colours.
#pragma once

#include <string>

namespace vorrith {

// Needs the canvas set up (CreateFrameBuffers); plans the scene and describes it.
std::string DescribeScenePlan(int imageNumber);

}  // namespace vorrith
