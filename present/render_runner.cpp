#include "present/render_runner.h"

#include <algorithm>

#include "core/clock.h"
#include "present/render_loop.h"

namespace vorrith {

void ClearRenderParams(RenderParams& params) {
    params.window = 0;
    params.control.store(0);
    params.fullScreen = 0;
    params.displayChanges.store(0);
    params.exposures.store(0);
}

uint32_t SleepBeforeStep(uint32_t now, uint32_t wakeTick, uint32_t longest) {
    const int32_t left = TicksUntil(now, wakeTick);
    return left <= 0 ? 0 : std::min(static_cast<uint32_t>(left), longest);
}

namespace {

// What the frames are placed in: each monitor full screen, otherwise the client area.
struct Screen {
    ScreenRect client;
    std::vector<ScreenRect> areas;
};

Screen ReadScreen(RenderDevice& device, bool fullScreen) {
    Screen screen{device.ClientRect(), {}};
    if (fullScreen) screen.areas = device.Monitors();
    if (screen.areas.empty()) screen.areas.push_back(screen.client);
    return screen;
}

void PresentOnEvery(RenderDevice& device, const RenderStep& step, const Screen& screen) {
    for (const ScreenRect& area : screen.areas) device.Present(PlaceFrame(step.placement, area));
}

void Show(RenderDevice& device, const RenderStep& step, const Screen& screen) {
    switch (step.action) {
    case RenderAction::kShowCanvas: PresentOnEvery(device, step, screen); break;
    case RenderAction::kShowCanvasLowMemory:
        PresentOnEvery(device, step, screen);
        device.DrawLowMemory(screen.client);
        break;
    case RenderAction::kShowLowMemoryNote: device.DrawLowMemory(screen.client); break;
    case RenderAction::kWait:
    case RenderAction::kStopped: break;
    }
}

}  // namespace

void RunRenderLoop(RenderParams& params, RenderDevice& device, PictureSchedule& schedule) {
    const bool fullScreen = params.fullScreen != 0;
    Screen screen = ReadScreen(device, fullScreen);
    uint32_t displayChangesSeen = params.displayChanges.load();
    uint32_t exposuresSeen = params.exposures.load();
    RenderStep lastShown{RenderAction::kWait, {}, 0, {}};
    RenderLoop loop(screen.client, fullScreen, params.control, TickCount(), schedule);
    device.Begin(screen.client);
    for (;;) {
        if (params.displayChanges.load() != displayChangesSeen) {
            displayChangesSeen = params.displayChanges.load();
            screen = ReadScreen(device, fullScreen);
            device.Begin(screen.client);
        }
        if (params.exposures.load() != exposuresSeen) {
            exposuresSeen = params.exposures.load();
            Show(device, lastShown, screen);
        }
        const RenderStep step = loop.Step(TickCount());
        if (step.action == RenderAction::kStopped) break;
        Show(device, step, screen);
        if (step.action != RenderAction::kWait) lastShown = step;
        const uint32_t sleep = SleepBeforeStep(TickCount(), step.wakeTick, device.LongestWait());
        if (sleep > 0) device.Wait(sleep);
    }
    device.End();
}

}  // namespace vorrith
