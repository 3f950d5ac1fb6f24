// The human-readable plan of a picture, for `vorrith-render --describe`.
#pragma once

#include <string>

namespace vorrith {

// Needs the canvas set up (CreateFrameBuffers); plans the scene and describes it.
std::string DescribeScenePlan(int imageNumber);

// Prints the description on the standard output; the exit code, as RunRenderJob's.
int RunDescribeJob(int imageNumber);

}  // namespace vorrith
