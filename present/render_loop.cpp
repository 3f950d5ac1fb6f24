#include "present/render_loop.h"

#include "present/cross_fade.h"
#include "present/frame_buffers.h"

namespace vorrith {

void ClearRenderParams(RenderParams& params) {
    params.window = 0;
    params.control.store(0);
    params.fullScreen = 0;
}

namespace {

class RenderLoop {
public:
    RenderLoop(RenderParams& params, RenderDevice& device) : params_(params), device_(device) {}

    void Run() {
        const int status = CreateFrameBuffers(kPictureWidth, kPictureHeight, kWithFadeBuffers);
        client_ = device_.ClientRect();
        fixedRect_ = params_.fullScreen ? NativeCentredRect(Width(), Height()) : client_;
        device_.Begin(client_);
        if (status == 0) {
            WaitWithoutCanvas();
        } else {
            while (ShowNextPicture(status)) {}
        }
        device_.End();
        DestroyFrameBuffers();
    }

private:
    int32_t Width() const { return client_.right - client_.left; }
    int32_t Height() const { return client_.bottom - client_.top; }
    bool StopRequested() const { return (params_.control.load() & kStopRequest) != 0; }

    // One picture: generate, wait out the previous hold, then fade it in (or, without
    // fade buffers, show it with the low-memory note). false once the stop bit is seen.
    bool ShowNextPicture(int status) {
        int imageNumber = -1;
        GenerateScene(reinterpret_cast<void*>(params_.window), imageNumber, &params_.control);
        if (StopRequested() || !WaitForHold() || StopRequested()) return false;
        if (status == kCanvasReady) {
            device_.Present(fixedRect_);
            device_.DrawLowMemory(client_);
            deadline_ = now_ + kPictureHoldMs;
            return true;
        }
        RotateFrameBuffers();
        if (!FadeIn()) return false;
        zoomDirection_ = 1 - zoomDirection_;
        deadline_ = now_ + kPictureHoldMs;
        return true;
    }

    bool WaitForHold() {
        for (;;) {
            if (StopRequested()) return false;
            now_ = device_.Ticks();
            if (DeadlineReached(now_, deadline_)) return true;
            device_.Sleep(kHoldPollMs);
        }
    }

    // 27 frames, each blended first and shown at its deadline, 100 ms apart.
    bool FadeIn() {
        int step = 0;
        for (int level = kFirstFadeLevel; level <= kLastFadeLevel; level += kFadeLevelStep) {
            const ScreenRect dest = params_.fullScreen ? ZoomRect(Width(), Height(), step, zoomDirection_) : client_;
            ++step;
            CrossFade(level);
            WaitForFrameDeadline();
            if (StopRequested()) return false;
            device_.Present(dest);
            deadline_ = now_ + kFramePeriodMs;
        }
        return true;
    }

    void WaitForFrameDeadline() {
        for (now_ = device_.Ticks(); !DeadlineReached(now_, deadline_); now_ = device_.Ticks()) {
            device_.Sleep(0);
        }
    }

    // Not even the canvas exists: nothing can be drawn, so the window stays black with
    // the low-memory note until the saver ends.
    void WaitWithoutCanvas() {
        device_.DrawLowMemory(client_);
        while (!StopRequested()) device_.Sleep(kHoldPollMs);
    }

    RenderParams& params_;
    RenderDevice& device_;
    ScreenRect client_{};
    ScreenRect fixedRect_{};
    uint32_t deadline_ = 0;
    uint32_t now_ = 0;
    int zoomDirection_ = 0;
};

}  // namespace

int RunRenderLoop(RenderParams& params, RenderDevice& device) {
    RenderLoop(params, device).Run();
    return 0;
}

}  // namespace vorrith
