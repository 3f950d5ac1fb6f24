#include "saver/saver_window.h"

#include <cstdlib>

#include "core/clock.h"

namespace vorrith {

void SaverWindow::OnCreate(const SaverWindowStart& start) {
    ClearRenderParams(params_);
    changeDisplayMode_ = start.changeDisplayMode;
    if (start.fullScreen) fullScreenMode_ = true;
    if (fullScreenMode_) {
        if (changeDisplayMode_) modeSwitched_ = SwitchToSaverDisplayMode(platform_) >= 0;
        platform_.ShowCoveringEveryMonitor();
        platform_.BringToTop();
        graceEndTick_ = static_cast<int32_t>(TickCount() + kMouseGraceMs);
    }
    anchorCursorPos_ = platform_.CursorPosition();
}

void SaverWindow::OnPaint(uintptr_t window) {
    if (threadRunning_) return;
    platform_.BringToTop();
    ClearRenderParams(params_);
    params_.window = window;
    params_.control.store(kReseedRequest);
    params_.fullScreen = fullScreenMode_ ? 1 : 0;
    threadRunning_ = platform_.StartRenderThread(params_);
}

bool SaverWindow::OnMouseMove() {
    const int32_t sinceGraceEnd = static_cast<int32_t>(TickCount() - static_cast<uint32_t>(graceEndTick_));
    if (fullScreenMode_ && sinceGraceEnd < 0) {
        anchorCursorPos_ = platform_.CursorPosition();
        return false;
    }
    const CursorPoint cursor = platform_.CursorPosition();
    return std::abs(cursor.x - anchorCursorPos_.x) >= kMouseDeadZone ||
           std::abs(cursor.y - anchorCursorPos_.y) >= kMouseDeadZone;
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
    if (fullScreenMode_ && changeDisplayMode_) platform_.RestoreRegistryMode();
    modeSwitched_ = false;
}

void SaverWindow::OnCrash() {
    if (!modeSwitched_) return;
    modeSwitched_ = false;
    platform_.RestoreRegistryMode();
}

}  // namespace vorrith
