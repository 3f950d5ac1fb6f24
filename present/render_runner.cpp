#include "present/render_runner.h"

#include <algorithm>

#include "core/clock.h"
#include "present/render_loop.h"

namespace vorrith {

void ClearRenderParams(RenderParams& params) {
    params.window = 0;
    params.control.store(0);
    params.fullScreen = 0;
}

uint32_t SleepBeforeStep(uint32_t now, uint32_t wakeTick) {
    const int32_t left = TicksUntil(now, wakeTick);
    return left <= 0 ? 0 : std::min(static_cast<uint32_t>(left), kHoldPollMs);
}

namespace {

void Show(RenderDevice& device, const RenderStep& step, const ScreenRect& client) {
    switch (step.action) {
    case RenderAction::kShowCanvas:
        device.Present(step.dest);
        break;
    case RenderAction::kShowCanvasLowMemory:
        device.Present(step.dest);
        device.DrawLowMemory(client);
        break;
    case RenderAction::kShowLowMemoryNote:
        device.DrawLowMemory(client);
        break;
    case RenderAction::kWait:
    case RenderAction::kStopped:
        break;
    }
}

}  // namespace

int RunRenderLoop(RenderParams& params, RenderDevice& device) {
    const ScreenRect client = device.ClientRect();
    RenderLoop loop(client, params.fullScreen != 0, params.control, TickCount());
    device.Begin(client);
    for (;;) {
        const RenderStep step = loop.Step(TickCount());
        if (step.action == RenderAction::kStopped) break;
        Show(device, step, client);
        const uint32_t sleep = SleepBeforeStep(TickCount(), step.wakeTick);
        if (sleep > 0) device.Wait(sleep);
    }
    device.End();
    return 0;
}

}  // namespace vorrith
