// A last cleanup for ends that pass no crash filter: std::terminate (an exception no
// one caught) and abort. The saver gives the screen back there too: a display mode left
// switched would keep the desktop at 640 x 480 with its windows off-screen.
#pragma once

namespace vorrith {

// From now on std::terminate and SIGABRT run cleanup before the process ends as it
// would have. cleanup must be safe to run twice (terminate aborts in turn).
void InstallAbortCleanup(void (*cleanup)());

}  // namespace vorrith
