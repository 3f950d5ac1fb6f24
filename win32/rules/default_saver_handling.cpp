#include "win32/rules/default_saver_handling.h"

#include "core/clock.h"
#include "win32/rules/input_messages.h"
#include "win32/rules/window_messages.h"

namespace vorrith {
namespace {

constexpr uint32_t kPasswordRetryMs = 200;

}  // namespace

bool PasswordCheckThrottled(std::optional<uint32_t> lastCheckTick, uint32_t now) {
    return lastCheckTick.has_value() && TicksSince(now, *lastCheckTick) < kPasswordRetryMs;
}

MessageOutcome DefaultSaverHandling::Handle(uint32_t message, uintptr_t wParam, uintptr_t window) {
    if (!state_.previewMode && !state_.closeAccepted) {
        if (message == msg::kClose && state_.win9xFamily) {
            if (!VerifyPasswordOnClose()) {
                state_.endingRules.MeasureTravelFrom(platform_.CursorPosition());
                return {true, 0};
            }
        } else if (message == msg::kVerifyPassword && state_.win9xFamily) {
            return {true, passwords_.Verify(window) ? 1 : 0};
        } else if (!state_.checkingPassword) {
            if (message == msg::kSetCursor) {
                platform_.HideCursor();
                return {true, 1};
            }
            if (message == msg::kShowWindow && wParam != 0) platform_.HideCursor();
            EndOnInput(message, wParam);
        }
    }
    if (state_.queryCancelAutoPlayMsg != 0 && message == state_.queryCancelAutoPlayMsg) {
        platform_.PostClose();
        return {true, passwords_.VerifierLoaded() ? 1 : 0};
    }
    return {false, 0};
}

void DefaultSaverHandling::EndOnInput(uint32_t message, uintptr_t wParam) {
    const std::optional<InputKind> kind = InputKindOf(message, wParam);
    if (!kind) return;
    const CursorPoint at = *kind == InputKind::kMouseMoved ? platform_.CursorPosition() : CursorPoint{};
    if (state_.endingRules.EndsSaver({*kind, at})) platform_.PostClose();
}

// True when the saver may close now. While the verifier's dialog is open a further
// close waits; a refused check holds new prompts back for 200 ms.
bool DefaultSaverHandling::VerifyPasswordOnClose() {
    if (state_.checkingPassword) return false;
    if (!passwords_.VerifierLoaded()) {
        state_.closeAccepted = true;
        return true;
    }
    if (PasswordCheckThrottled(state_.lastPasswordCheck, TickCount())) return false;
    state_.checkingPassword = true;
    // Each removal takes out at most one WM_TIMER message, and the system holds one
    // pending per timer: two removals clear up to two timers' messages, so that none is
    // handled while the verifier's modal dialog runs its own message loop.
    platform_.RemovePendingTimers();
    platform_.RemovePendingTimers();
    state_.closeAccepted = platform_.SendVerifyRequest();
    state_.checkingPassword = false;
    if (!state_.closeAccepted) platform_.HideCursor();
    state_.lastPasswordCheck = TickCount();
    return state_.closeAccepted;
}

}  // namespace vorrith
