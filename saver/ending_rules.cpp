#include "saver/ending_rules.h"

#include <cstdlib>

#include "core/clock.h"
#include "saver/window_messages.h"

namespace vorrith {
namespace {

constexpr uint32_t kPasswordRetryMs = 200;

bool IsInput(uint32_t message) {
    return message == msg::kKeyDown || message == msg::kSysKeyDown || message == msg::kMouseMove ||
           message == msg::kLeftButtonDown || message == msg::kRightButtonDown ||
           message == msg::kMiddleButtonDown;
}

bool IsTaskSwitchCommand(uintptr_t command) {
    return command == kScNextWindow || command == kScPrevWindow || command == kScScreenSave;
}

bool EndsOnAnyParameter(uint32_t message) {
    return message == msg::kKeyDown || message == msg::kSysKeyDown || message == msg::kLeftButtonDown ||
           message == msg::kRightButtonDown || message == msg::kMiddleButtonDown;
}

}  // namespace

HostDecision RouteHostMessage(uint32_t message, uintptr_t wParam, const SaverHostState& state) {
    const bool hideCursor = !state.previewMode;
    const HostDecision toSaver{HostRoute::kSaverProc, false, false};
    const HostDecision toDefault{HostRoute::kDefWindowProc, false, false};
    switch (message) {
    case msg::kSetText:
        return {HostRoute::kReturnZero, false, false};
    case msg::kPaint:
        return state.closeAccepted ? toDefault : HostDecision{HostRoute::kSaverProc, hideCursor, false};
    case msg::kHelp:  // carries a pointer: the system refuses to post it
        return state.previewMode ? HostDecision{HostRoute::kSendToParent, false, false} : toSaver;
    case msg::kContextMenu:
        return state.previewMode ? HostDecision{HostRoute::kPostToParent, false, false} : toSaver;
    case msg::kSysCommand:
        return (!state.previewMode && IsTaskSwitchCommand(wParam)) ? HostDecision{HostRoute::kReturnZero, false, false}
                                                                  : toSaver;
    case msg::kTimer:
        return state.closeAccepted ? HostDecision{HostRoute::kReturnZero, false, false}
                                   : HostDecision{HostRoute::kSaverProc, false, true};
    default:
        if (IsInput(message) && state.closeAccepted) return toDefault;
        return toSaver;
    }
}

bool PowerEventEndsSaver(uintptr_t event) { return event != kPowerStatusChange && event != kPowerSettingChange; }

bool ExceedsMouseTravel(CursorPoint last, CursorPoint now, uint32_t threshold) {
    const uint32_t travel = static_cast<uint32_t>(std::abs(now.x - last.x)) + static_cast<uint32_t>(std::abs(now.y - last.y));
    return travel > threshold;
}

bool PasswordCheckThrottled(uint32_t lastCheckTick, uint32_t now) {
    return lastCheckTick != SaverHostState::kNeverChecked && now - lastCheckTick < kPasswordRetryMs;
}

MessageOutcome EndingRules::DefaultSaverMessage(uint32_t message, uintptr_t wParam, uintptr_t window) {
    MessageOutcome outcome{false, 0};
    if (!state_.previewMode && !state_.closeAccepted) {
        if (message == msg::kClose && state_.win9xFamily) {
            if (VerifyPasswordOnClose() == 0) {
                state_.lastCursorPos = platform_.CursorPosition();
                return {true, 0};
            }
        } else if (message == msg::kVerifyPassword && state_.win9xFamily) {
            return {true, passwords_.Verify(window)};
        } else if (!state_.checkingPassword && InputEndsSaver(message, wParam, outcome)) {
            return outcome;
        }
    }
    if (state_.queryCancelAutoPlayMsg != 0 && message == state_.queryCancelAutoPlayMsg) {
        platform_.PostClose();
        return {true, passwords_.VerifierLoaded() ? 1 : 0};
    }
    return {false, 0};
}

// The input and system events that end the saver. true when the outcome is final;
// false lets the message go on to the auto-play check and the default handling.
bool EndingRules::InputEndsSaver(uint32_t message, uintptr_t wParam, MessageOutcome& outcome) {
    if (message == msg::kShowWindow && wParam != 0) {
        platform_.HideCursor();
    } else if ((message == msg::kActivateApp && wParam == 0) ||
               (message == msg::kPower && wParam == kPowerCriticalResume) ||
               (message == msg::kPowerBroadcast && PowerEventEndsSaver(wParam)) || EndsOnAnyParameter(message)) {
        platform_.PostClose();
    } else if (message == msg::kSetCursor) {
        platform_.HideCursor();
        outcome = {true, 1};
        return true;
    } else if (message == msg::kMouseMove) {
        const CursorPoint cursor = platform_.CursorPosition();
        if (ExceedsMouseTravel(state_.lastCursorPos, cursor, state_.mouseMoveThreshold)) {
            platform_.PostClose();
            state_.lastCursorPos = cursor;
        }
    }
    return false;
}

int EndingRules::VerifyPasswordOnClose() {
    if (state_.checkingPassword || state_.closeAccepted) return 0;
    if (!passwords_.VerifierLoaded()) {
        state_.closeAccepted = 1;
        return 1;
    }
    if (PasswordCheckThrottled(state_.lastPasswordCheckTick, TickCount())) return state_.closeAccepted;
    state_.checkingPassword = 1;
    // Each removal takes out at most one WM_TIMER message, and the system holds one
    // pending per timer: two removals clear up to two timers' messages, so that none is
    // handled while the verifier's modal dialog runs its own message loop.
    platform_.RemovePendingTimers();
    platform_.RemovePendingTimers();
    state_.closeAccepted = platform_.SendVerifyRequest() != 0 ? 1 : 0;
    state_.checkingPassword = 0;
    if (!state_.closeAccepted) platform_.HideCursor();
    state_.lastPasswordCheckTick = TickCount();
    return state_.closeAccepted;
}

}  // namespace vorrith
