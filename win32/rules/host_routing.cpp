#include "win32/rules/host_routing.h"

#include "win32/rules/input_messages.h"
#include "win32/rules/window_messages.h"

namespace vorrith {
namespace {

bool IsTaskSwitchCommand(uintptr_t command) {
    return command == kScNextWindow || command == kScPrevWindow || command == kScScreenSave;
}

}  // namespace

HostDecision RouteHostMessage(uint32_t message, uintptr_t wParam, const SaverHostState& state) {
    const bool hideCursor = !state.previewMode;
    const HostDecision toSaver{HostRoute::kSaverProc, false, false};
    const HostDecision toDefault{HostRoute::kDefWindowProc, false, false};
    switch (message) {
    case msg::kSetText: return {HostRoute::kReturnZero, false, false};
    case msg::kPaint: return state.closeAccepted ? toDefault : HostDecision{HostRoute::kSaverProc, hideCursor, false};
    case msg::kHelp:  // carries a pointer: the system refuses to post it
        return state.previewMode ? HostDecision{HostRoute::kSendToParent, false, false} : toSaver;
    case msg::kContextMenu: return state.previewMode ? HostDecision{HostRoute::kPostToParent, false, false} : toSaver;
    case msg::kSysCommand:
        return (!state.previewMode && IsTaskSwitchCommand(wParam)) ? HostDecision{HostRoute::kReturnZero, false, false}
                                                                   : toSaver;
    case msg::kTimer:
        return state.closeAccepted ? HostDecision{HostRoute::kReturnZero, false, false}
                                   : HostDecision{HostRoute::kSaverProc, false, true};
    default:
        if (IsUserInput(message) && state.closeAccepted) return toDefault;
        return toSaver;
    }
}

}  // namespace vorrith
