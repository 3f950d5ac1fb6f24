// `vorrith-render --describe N`: the scene plan of picture N on the standard output.
#pragma once

namespace vorrith {

// Needs the canvas set up (CreateFrameBuffers). Returns the exit code, as RunRenderJob's.
int RunDescribeJob(int imageNumber);

}  // namespace vorrith
