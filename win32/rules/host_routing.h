// The host's first look at every message of the saver window, before the saver's own
// handling: the title never changes, the cursor is hidden while painting full screen,
// task-switching commands are swallowed full screen, help and context-menu requests in
// preview go to the preview's parent, and once the close is accepted input, paint and
// timer messages get nothing but the default handling.
#pragma once

#include <cstdint>

#include "win32/rules/default_saver_handling.h"

namespace vorrith {

enum class HostRoute {
    kSaverProc,      // hand on to the saver procedure
    kDefWindowProc,  // the system's default handling only
    kReturnZero,
    kPostToParent,  // post to the preview's parent, then return 1
    kSendToParent,  // the same, sent: its lParam points into this process
};

struct HostDecision {
    HostRoute route;
    bool hideCursor;  // before routing
    bool yieldFirst;  // Sleep(0) before routing
};

HostDecision RouteHostMessage(uint32_t message, uintptr_t wParam, const SaverHostState& state);

}  // namespace vorrith
