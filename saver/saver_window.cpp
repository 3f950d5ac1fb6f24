#include "saver/saver_window.h"

#include <cstdlib>

#include "core/clock.h"

namespace vorrith {

void SaverWindow::OnCreate(const SaverWindowStart& start) {
    ClearRenderParams(params_);
    changeDisplayMode_ = start.changeDisplayMode;
    if (start.fullScreen) fullScreenMode_ = true;
    if (fullScreenMode_) {
        if (changeDisplayMode_) modeSwitched_ = SwitchToSaverDisplayMode(platform_);
        platform_.ShowCoveringEveryMonitor();
        platform_.BringToTop();
        createdTick_ = TickCount();
    }
    // After the switch, which may have moved the cursor: a move measured from before it
    // would end the saver on less than the dead zone.
    anchor_ = platform_.CursorPosition();
}

void SaverWindow::OnPaint(uintptr_t window) {
    if (threadRunning_) {
        params_.exposures.fetch_add(1);
        return;
    }
    platform_.BringToTop();
    ClearRenderParams(params_);
    params_.window = window;
    params_.control.store(kReseedRequest);
    params_.fullScreen = fullScreenMode_ ? 1 : 0;
    threadRunning_ = platform_.StartRenderThread(params_);
}

// Measured as time elapsed since creation: compared as a signed deadline, the grace
// period would come back 24.8 days later and last as long again.
bool SaverWindow::InGracePeriod() const {
    return fullScreenMode_ && TicksSince(TickCount(), createdTick_) < kMouseGraceMs;
}

bool SaverWindow::OnMouseMoved(CursorPoint at) {
    if (InGracePeriod()) {
        anchor_ = at;
        return false;
    }
    return std::abs(at.x - anchor_.x) >= kMouseDeadZone || std::abs(at.y - anchor_.y) >= kMouseDeadZone;
}

// The restore at destruction changes the display too: a closing window stays as it is.
void SaverWindow::OnDisplayChange() {
    if (destroyed_) return;
    if (fullScreenMode_) platform_.ShowCoveringEveryMonitor();
    params_.displayChanges.fetch_add(1);
}

void SaverWindow::OnDestroy() {
    destroyed_ = true;
    if (threadRunning_) {
        params_.control.store(kStopRequest);
        platform_.JoinRenderThread();
        threadRunning_ = false;
    }
    ClearRenderParams(params_);
    if (fullScreenMode_ && changeDisplayMode_) platform_.RestoreDesktopMode();
    modeSwitched_ = false;
}

void SaverWindow::OnCrash() {
    if (fullScreenMode_ && !destroyed_) platform_.StepAside();
    if (!modeSwitched_) return;
    modeSwitched_ = false;
    platform_.RestoreDesktopMode();
}

}  // namespace vorrith
