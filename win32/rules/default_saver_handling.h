// The default handling of the saver window's messages on Windows, which ends the saver.
//
// Full screen, input and power messages go to the portable ending rules
// (saver/ending_rules.h) as input events, and an event that ends the saver posts
// WM_CLOSE; the cursor stays hidden. On the Windows 9x family a close first passes the
// password verifier, asked at most once per 200 ms, and the system's query to cancel
// auto-play closes the saver too. In preview none of this applies but the auto-play
// query: the preview is closed by its parent.
#pragma once

#include <cstdint>
#include <optional>

#include "saver/ending_rules.h"
#include "win32/rules/password_services.h"

namespace vorrith {

struct SaverHostState {
    bool previewMode = false;
    bool win9xFamily = false;
    uint32_t queryCancelAutoPlayMsg = 0;  // registered on the 9x family only, else 0
    bool closeAccepted = false;
    bool checkingPassword = false;              // the verifier's dialog is open
    std::optional<uint32_t> lastPasswordCheck;  // the tick of the last check
    EndingRules endingRules;
};

// True while a refused password check is younger than 200 ms (tick wrap-around safe).
bool PasswordCheckThrottled(std::optional<uint32_t> lastCheckTick, uint32_t now);

class SaverHostPlatform {
public:
    virtual ~SaverHostPlatform() = default;
    virtual void PostClose() = 0;
    virtual void HideCursor() = 0;
    virtual CursorPoint CursorPosition() = 0;
    // Drops the window's pending WM_TIMER messages.
    virtual void RemovePendingTimers() = 0;
    // Sends the verify-password request to the window: true when it accepts the close.
    virtual bool SendVerifyRequest() = 0;
};

struct MessageOutcome {
    bool handled;  // false: the system's default handling decides the result
    intptr_t result;
};

class DefaultSaverHandling {
public:
    DefaultSaverHandling(SaverHostState& state, SaverHostPlatform& platform, PasswordServices& passwords)
        : state_(state),
          platform_(platform),
          passwords_(passwords) {}

    MessageOutcome Handle(uint32_t message, uintptr_t wParam, uintptr_t window);

private:
    void EndOnInput(uint32_t message, uintptr_t wParam);
    bool VerifyPasswordOnClose();

    SaverHostState& state_;
    SaverHostPlatform& platform_;
    PasswordServices& passwords_;
};

}  // namespace vorrith
