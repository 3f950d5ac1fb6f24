// When the saver ends, and where the saver window's messages go.
//
// RouteHostMessage decides the host's first look at every message (cursor hiding,
// swallowed system commands, help forwarded to the preview's parent, nothing but the
// default handling once the close is accepted). EndingRules is the default saver
// handling: any key or button, mouse travel over 4 pixels, loss of activation and power
// events other than status reports post WM_CLOSE; on the Windows 9x family a close
// first passes the password verifier, asked at most once per 200 ms. In preview none of
// this applies: the preview is closed by its parent.
#pragma once

#include <cstdint>

#include "saver/password_services.h"
#include "saver/saver_window.h"

namespace vorrith {

struct SaverHostState {
    bool previewMode = false;
    bool win9xFamily = false;
    uint32_t queryCancelAutoPlayMsg = 0;  // registered on the 9x family only, else 0
    int closeAccepted = 0;
    int checkingPassword = 0;
    uint32_t lastPasswordCheckTick = kNeverChecked;
    CursorPoint lastCursorPos{};
    uint32_t mouseMoveThreshold = 4;

    static constexpr uint32_t kNeverChecked = 0xFFFFFFFF;
};

enum class HostRoute {
    kSaverProc,        // hand on to the saver procedure
    kDefWindowProc,    // the system's default handling only
    kReturnZero,
    kPostToParent,     // post to the preview's parent, then return 1
    kSendToParent,     // the same, sent: its lParam points into this process
};

struct HostDecision {
    HostRoute route;
    bool hideCursor;  // before routing
    bool yieldFirst;  // Sleep(0) before routing
};

HostDecision RouteHostMessage(uint32_t message, uintptr_t wParam, const SaverHostState& state);

// Whether a WM_POWERBROADCAST event ends the saver: suspend and resume do; reports of
// the battery's charge or a power setting, which a laptop sends every few minutes, do not.
bool PowerEventEndsSaver(uintptr_t event);

// Travel |dx| + |dy| strictly above the threshold, compared unsigned. It judges only
// the moves the saver window's 3-pixel dead zone lets through (kMouseDeadZone in
// saver/saver_window.h, which says why there are two rules).
bool ExceedsMouseTravel(CursorPoint last, CursorPoint now, uint32_t threshold);

// True while a refused password check is younger than 200 ms (tick wrap-around safe).
bool PasswordCheckThrottled(uint32_t lastCheckTick, uint32_t now);

class SaverHostPlatform {
public:
    virtual ~SaverHostPlatform() = default;
    virtual void PostClose() = 0;
    virtual void HideCursor() = 0;
    virtual CursorPoint CursorPosition() = 0;
    // Drops the window's pending WM_TIMER messages.
    virtual void RemovePendingTimers() = 0;
    // Sends the verify-password request to the window and returns its answer.
    virtual intptr_t SendVerifyRequest() = 0;
};

struct MessageOutcome {
    bool handled;    // false: the system's default handling decides the result
    intptr_t result;
};

class EndingRules {
public:
    EndingRules(SaverHostState& state, SaverHostPlatform& platform, PasswordServices& passwords)
        : state_(state), platform_(platform), passwords_(passwords) {}

    MessageOutcome DefaultSaverMessage(uint32_t message, uintptr_t wParam, uintptr_t window);
    // Non-zero when the saver may close.
    int VerifyPasswordOnClose();

private:
    bool InputEndsSaver(uint32_t message, uintptr_t wParam, MessageOutcome& outcome);

    SaverHostState& state_;
    SaverHostPlatform& platform_;
    PasswordServices& passwords_;
};

}  // namespace vorrith
