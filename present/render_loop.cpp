#include "present/render_loop.h"

#include "core/clock.h"
#include "present/cross_fade.h"

namespace vorrith {

RenderLoop::RenderLoop(const ScreenRect& client, bool fullScreen, const ControlWord& control, uint32_t startTick,
                       PictureSchedule& schedule)
    : control_(control),
      schedule_(schedule),
      client_(client),
      fullScreen_(fullScreen),
      buffers_(CreateFrameBuffers(kPictureWidth, kPictureHeight, kCanvasAndFadeBuffers)),
      phase_(buffers_ == kNoFrameBuffers ? Phase::kNoCanvas : Phase::kGenerate),
      deadline_(startTick) {}

RenderLoop::~RenderLoop() { DestroyFrameBuffers(); }

RenderStep RenderLoop::Step(uint32_t now) {
    if (StopRequested()) phase_ = Phase::kStopped;
    switch (phase_) {
    case Phase::kGenerate: return Generate();
    case Phase::kHold: return EndHold(now);
    case Phase::kFrameDue: return ShowFrame(now);
    case Phase::kBlend: return Blend();
    case Phase::kNoCanvas: return NoCanvas(now);
    case Phase::kStopped: break;
    }
    return {RenderAction::kStopped, {}, now, {}};
}

// The next picture is drawn while the previous one is held: the hold counts from the
// last frame of the fade and includes the time the picture takes.
RenderStep RenderLoop::Generate() {
    imageNumber_ = schedule_.NextImageNumber();
    GenerateScene(imageNumber_, &control_);
    if (StopRequested()) {  // the driver may have left the picture half drawn
        phase_ = Phase::kStopped;
        return {RenderAction::kStopped, {}, deadline_, {}};
    }
    phase_ = Phase::kHold;
    return WaitForDeadline();
}

RenderStep RenderLoop::EndHold(uint32_t now) {
    if (!DeadlineReached(now, deadline_)) return WaitForDeadline();
    if (buffers_ == kCanvasOnly) {  // no fade buffers: each picture at once, noted
        deadline_ = schedule_.HoldEnd(now);
        phase_ = Phase::kGenerate;
        const FramePlacement placement{fullScreen_ ? FrameFit::kNative : FrameFit::kWhole, 0, 0};
        return Show(RenderAction::kShowCanvasLowMemory, placement, now);
    }
    RotateFrameBuffers();
    fadeLevel_ = kFirstFadeLevel;
    zoomStep_ = 0;
    return Blend();  // the first frame is due at the end of the hold, that is now
}

// Each frame is blended first and shown at its deadline, so the blend counts within the
// frame period.
RenderStep RenderLoop::Blend() {
    framePlacement_ = fullScreen_ ? FramePlacement{FrameFit::kZoom, zoomStep_, zoomDirection_}
                                  : FramePlacement{FrameFit::kWhole, 0, 0};
    ++zoomStep_;
    CrossFade(fadeLevel_);
    phase_ = Phase::kFrameDue;
    return WaitForDeadline();
}

RenderStep RenderLoop::ShowFrame(uint32_t now) {
    if (!DeadlineReached(now, deadline_)) return WaitForDeadline();
    fadeLevel_ += kFadeLevelStep;
    if (fadeLevel_ <= kLastFadeLevel) {
        deadline_ = now + kFramePeriodMs;
        phase_ = Phase::kBlend;
    } else {
        zoomDirection_ = 1 - zoomDirection_;
        deadline_ = schedule_.HoldEnd(now);
        phase_ = Phase::kGenerate;
    }
    return Show(RenderAction::kShowCanvas, framePlacement_, now);
}

// Nothing can be drawn: the note once, then idle until the stop bit.
RenderStep RenderLoop::NoCanvas(uint32_t now) {
    const RenderAction action = noteShown_ ? RenderAction::kWait : RenderAction::kShowLowMemoryNote;
    noteShown_ = true;
    return {action, {}, now + kHoldPollMs, {}};
}

}  // namespace vorrith
