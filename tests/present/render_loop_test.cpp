#include "present/render_loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "core/clock.h"
#include "present/frame_buffers.h"
#include "present/render_runner.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

// Far longer than any show these tests watch: a loop still running then has run away.
constexpr uint32_t kRunawayMs = 600000;

// A window of a given size on a fake clock, installed as the program's clock. The tick count starts at `start` and
// moves in steps of tickStep ms, as the system's does; a wait ends at the first step after it ran out. onPresent may
// look at the canvas and stop the loop; onWait runs after a wait.
class FakeRenderDevice : public RenderDevice, public MillisecondClock {
public:
    FakeRenderDevice(RenderParams& params, int width, int height, uint32_t start = 1000, uint32_t tickStep = 1)
        : params_(params),
          client_{0, 0, width, height},
          start_(start),
          tickStep_(tickStep) {
        SetMillisecondClock(this);
    }
    ~FakeRenderDevice() override { SetMillisecondClock(nullptr); }

    ScreenRect ClientRect() override { return client_; }
    std::vector<ScreenRect> Monitors() override { return monitors; }
    void Begin(const ScreenRect&) override { ++begins; }
    void Present(const ScreenRect& dest) override {
        presented.push_back(dest);
        presentTicks.push_back(Milliseconds());
        if (onPresent) onPresent();
    }
    void DrawLowMemory(const ScreenRect&) override { ++lowMemoryNotes; }
    void End() override {
        ++ends;
        endElapsed = elapsed;
    }
    // Time moves only in Wait: a loop that reads the clock on and on without waiting
    // would spin for ever, so it fails instead, as does a show that runs far too long.
    uint32_t Milliseconds() override {
        if (++readsSinceWait_ > kRunawayReads) RanAway("the loop steps on without ever waiting");
        return start_ + static_cast<uint32_t>(elapsed / tickStep_ * tickStep_);
    }
    void Wait(uint32_t milliseconds) override {
        readsSinceWait_ = 0;
        waits.push_back(milliseconds);
        elapsed = (elapsed + milliseconds + tickStep_ - 1) / tickStep_ * tickStep_;
        if (elapsed > kRunawayMs) RanAway("the show runs past ten minutes");
        if (onWait) onWait(milliseconds);
    }
    uint32_t LongestWait() const override { return longestWait; }
    void Stop() { params_.control.store(kStopRequest); }
    void SetClient(const ScreenRect& client) { client_ = client; }

    static constexpr int kRunawayReads = 1000;
    uint32_t longestWait = kHoldPollMs;
    uint64_t elapsed = 0;  // ms since the start
    uint64_t endElapsed = 0;
    int begins = 0, ends = 0, lowMemoryNotes = 0;
    std::vector<uint32_t> waits;
    std::vector<ScreenRect> monitors;
    std::vector<ScreenRect> presented;
    std::vector<uint32_t> presentTicks;
    std::function<void()> onPresent;
    std::function<void(uint32_t)> onWait;

private:
    void RanAway(const char* what) {
        if (!ranAway_) ADD_FAILURE() << "runaway: " << what;
        ranAway_ = true;
        Stop();
    }

    RenderParams& params_;
    ScreenRect client_;
    uint32_t start_;
    uint32_t tickStep_;
    int readsSinceWait_ = 0;
    bool ranAway_ = false;
};

class RenderLoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearRenderParams(params);
        params.control.store(kReseedRequest);
    }
    void TearDown() override { DestroyFrameBuffers(); }

    void StopAfterFrames(FakeRenderDevice& device, size_t frames) {
        device.onPresent = [&device, frames] {
            if (device.presented.size() == frames) device.Stop();
        };
    }

    RenderParams params;
};

TEST_F(RenderLoopTest, TwoPicturesZoomInThenOutOnALargerScreen) {
    params.fullScreen = 1;
    FakeRenderDevice device(params, 800, 600);
    StopAfterFrames(device, 54);
    RunRenderLoop(params, device);
    ASSERT_EQ(device.presented.size(), 54u);
    const ScreenRect first = device.presented[0];
    const ScreenRect grown = device.presented[26];
    const ScreenRect shrunk = device.presented[53];
    EXPECT_EQ(first.left, 80);
    EXPECT_EQ(first.top, 60);
    EXPECT_EQ(grown.right - grown.left, 800);
    EXPECT_EQ(device.presented[27].right - device.presented[27].left, 800);
    EXPECT_EQ(shrunk.left, 80);
    EXPECT_EQ(shrunk.bottom, 540);
    EXPECT_EQ(device.begins, 1);
    EXPECT_EQ(device.ends, 1);
    EXPECT_EQ(Canvas.pixels, nullptr);  // buffers released when the loop ends
}

// The window over an 800 x 600 and a 1024 x 768 monitor side by side: every frame goes
// on both at once, each zoomed within its own monitor.
TEST_F(RenderLoopTest, FullScreenShowsEachFrameOnEveryMonitor) {
    params.fullScreen = 1;
    FakeRenderDevice device(params, 1824, 768);
    device.monitors = {{0, 0, 800, 600}, {800, 0, 1824, 768}};
    StopAfterFrames(device, 54);
    RunRenderLoop(params, device);
    ASSERT_EQ(device.presented.size(), 54u);
    for (size_t frame = 0; frame < 27; ++frame) {
        SCOPED_TRACE(frame);
        const ScreenRect onFirst = device.presented[2 * frame];
        const ScreenRect onSecond = device.presented[2 * frame + 1];
        const ScreenRect zoomFirst = MonitorZoomRect({0, 0, 800, 600}, static_cast<int>(frame), 0);
        const ScreenRect zoomSecond = MonitorZoomRect({0, 0, 1024, 768}, static_cast<int>(frame), 0);
        EXPECT_EQ(onFirst.left, zoomFirst.left);
        EXPECT_EQ(onFirst.bottom, zoomFirst.bottom);
        EXPECT_EQ(onSecond.left, 800 + zoomSecond.left);
        EXPECT_EQ(onSecond.right, 800 + zoomSecond.right);
        EXPECT_EQ(device.presentTicks[2 * frame], device.presentTicks[2 * frame + 1]);
    }
}

// A display change while the saver runs: the next frames take the new geometry, and
// the client area is blackened once more for it. Preview ignores the monitors.
TEST_F(RenderLoopTest, DisplayChangeTakesTheNewGeometryFromTheNextFrame) {
    for (const uint8_t fullScreen : {uint8_t{1}, uint8_t{0}}) {
        SCOPED_TRACE(fullScreen);
        ClearRenderParams(params);
        params.control.store(kReseedRequest);
        params.fullScreen = fullScreen;
        FakeRenderDevice device(params, 800, 600);
        device.monitors = {{0, 0, 800, 600}};
        device.onPresent = [&] {
            if (device.presented.size() == 3) {
                device.SetClient({0, 0, 1920, 1080});
                device.monitors = {{0, 0, 1920, 1080}};
                params.displayChanges.fetch_add(1);
            }
            if (device.presented.size() == 27) device.Stop();
        };
        RunRenderLoop(params, device);
        EXPECT_EQ(device.begins, 2);
        ASSERT_EQ(device.presented.size(), 27u);
        const ScreenRect last = device.presented.back();
        if (fullScreen) {
            EXPECT_EQ(last.left, 240);  // the 4:3 area of 1920 x 1080, fully grown
            EXPECT_EQ(last.right, 1680);
        } else {
            EXPECT_EQ(last.right, 1920);
            EXPECT_EQ(device.presented[3].left, 0);
        }
        DestroyFrameBuffers();
    }
}

// Where the desktop does not compose, a window passing over the saver leaves a hole the
// window's thread paints black: the held frame comes back at the next step.
TEST_F(RenderLoopTest, AnExposureShowsTheLastFrameAgainDuringTheHold) {
    FakeRenderDevice device(params, 640, 480);
    size_t framesBefore = 0;
    uint32_t exposedAt = 0;
    device.onWait = [&](uint32_t milliseconds) {
        if (framesBefore != 0 || milliseconds != kHoldPollMs) return;
        framesBefore = device.presented.size();
        exposedAt = device.Milliseconds();
        params.exposures.fetch_add(1);
    };
    device.onPresent = [&] {
        if (framesBefore != 0) device.Stop();
    };
    RunRenderLoop(params, device);
    ASSERT_EQ(device.presented.size(), framesBefore + 1);
    const ScreenRect again = device.presented.back(), held = device.presented[framesBefore - 1];
    EXPECT_TRUE(again.left == held.left && again.top == held.top && again.right == held.right &&
                again.bottom == held.bottom);
    EXPECT_EQ(device.presentTicks.back(), exposedAt);
}

TEST_F(RenderLoopTest, FirstPictureFadesInFromBlackAndEndsOnTheExactPicture) {
    FakeRenderDevice device(params, 640, 480);
    bool firstChecked = false;
    device.onPresent = [&] {
        const size_t n = Canvas.stride * Canvas.height;
        if (device.presented.size() == 1) {
            for (size_t i = 0; i < n; ++i) ASSERT_EQ(Canvas.pixels[i], (Incoming.pixels[i] * 22) >> 8);
            firstChecked = true;
        } else if (device.presented.size() == 27) {
            for (size_t i = 0; i < n; ++i) ASSERT_EQ(Canvas.pixels[i], Incoming.pixels[i]);
            device.Stop();
        }
    };
    RunRenderLoop(params, device);
    EXPECT_TRUE(firstChecked);
    EXPECT_EQ(device.presented.size(), 27u);
}

TEST_F(RenderLoopTest, StopDuringTheHoldEndsAtTheNextPoll) {
    FakeRenderDevice device(params, 640, 480);
    int waitsAfterStop = -1;
    device.onPresent = [&] {
        if (device.presented.size() == 27)
            device.onWait = [&](uint32_t ms) {
                if (ms == kHoldPollMs && waitsAfterStop < 0) {
                    device.Stop();
                    waitsAfterStop = 0;
                } else if (waitsAfterStop >= 0) {
                    ++waitsAfterStop;
                }
            };
    };
    RunRenderLoop(params, device);
    EXPECT_EQ(device.presented.size(), 27u);
    EXPECT_EQ(waitsAfterStop, 0);
}

TEST_F(RenderLoopTest, StopDuringAFadeShowsNoFurtherFrame) {
    FakeRenderDevice device(params, 640, 480);
    device.onPresent = [&] {
        if (device.presented.size() == 3) device.onWait = [&](uint32_t) { device.Stop(); };
    };
    RunRenderLoop(params, device);
    EXPECT_EQ(device.presented.size(), 3u);
}

TEST_F(RenderLoopTest, WithoutFadeBuffersPicturesCarryTheLowMemoryNote) {
    ASSERT_EQ(Incoming.Allocate(640, 480), kAllocated);  // makes the fade buffers unavailable
    params.fullScreen = 1;
    FakeRenderDevice device(params, 800, 600);
    StopAfterFrames(device, 2);
    RunRenderLoop(params, device);
    ASSERT_EQ(device.presented.size(), 2u);
    EXPECT_EQ(device.presented[0].left, 80);  // native size, centred
    EXPECT_EQ(device.presented[1].right, 720);
    EXPECT_EQ(device.lowMemoryNotes, 2);
    EXPECT_GE(device.presentTicks[1] - device.presentTicks[0], kPictureHoldMs);
}

TEST_F(RenderLoopTest, WithoutACanvasNothingIsDrawnUntilTheStop) {
    ASSERT_EQ(Canvas.Allocate(640, 480), kAllocated);  // makes the canvas unavailable
    FakeRenderDevice device(params, 640, 480);
    device.onWait = [&](uint32_t) {
        if (device.waits.size() == 3) device.Stop();
    };
    RunRenderLoop(params, device);
    EXPECT_TRUE(device.presented.empty());
    EXPECT_EQ(device.lowMemoryNotes, 1);
    EXPECT_EQ(device.ends, 1);
}

// Tick counts as a machine up for weeks shows them: 16 ms steps, past 2^31, and
// across the wrap at 2^32 in each part of the show.
struct Clock {
    const char* name;
    uint32_t start;
    uint32_t tickStep;
};
const Clock kClocks[] = {
    {"ordinary", 1000, 1},
    {"28 days up", 0x90000000u, 16},
    {"wrapping in the first fade", 0u - 16 * 50, 16},
    {"wrapping in the first hold", 0u - 16 * 250 - 5, 16},
    {"wrapping in the second fade", 0u - 16 * 400, 16},
};

TEST_F(RenderLoopTest, ScheduleKeepsItsPaceOnEveryClock) {
    for (const Clock& clock : kClocks) {
        SCOPED_TRACE(clock.name);
        params.control.store(kReseedRequest);
        FakeRenderDevice device(params, 160, 120, clock.start, clock.tickStep);
        StopAfterFrames(device, 55);
        RunRenderLoop(params, device);
        ASSERT_EQ(device.presentTicks.size(), 55u);
        EXPECT_LT(TicksUntil(clock.start, device.presentTicks[0]), static_cast<int32_t>(clock.tickStep));
        for (size_t i = 1; i < 55; ++i) {
            const uint32_t gap = device.presentTicks[i] - device.presentTicks[i - 1];
            const uint32_t period = i % 27 == 0 ? kPictureHoldMs : kFramePeriodMs;
            EXPECT_GE(gap, period) << "frame " << i;
            EXPECT_LT(gap, period + clock.tickStep) << "frame " << i;
        }
        for (uint32_t wait : device.waits) EXPECT_LE(wait, kHoldPollMs);
        EXPECT_EQ(device.presented[5].right, 160);  // preview: always the whole client area
    }
}

// Nothing but the stop bit ends a wait here (no event), so this is the loop's own bound.
TEST_F(RenderLoopTest, StopAcrossTheWrapIsSeenWithinOnePoll) {
    const struct {
        const char* when;
        uint32_t start;
        uint64_t stopAt;  // ms after the start
    } cases[] = {
        {"in a fade", 0u - 16 * 50, 16 * 50 + 30},
        {"in a hold", 0u - 16 * 250 - 5, 16 * 250 + 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when);
        params.control.store(kReseedRequest);
        FakeRenderDevice device(params, 160, 120, c.start, 16);
        device.onWait = [&](uint32_t) {
            if (device.elapsed >= c.stopAt) device.Stop();
        };
        RunRenderLoop(params, device);
        EXPECT_LE(device.endElapsed - c.stopAt, kHoldPollMs + 16);
    }
}

// A browser steps the loop on every animation frame and again at once while the loop
// asks for it; that must show what the sleeping render thread shows, tick for tick.
TEST_F(RenderLoopTest, SteppingOnEveryAnimationFrameShowsTheSameFramesAtTheSameTicks) {
    const uint32_t start = 0u - 3000;
    FakeRenderDevice device(params, 640, 480, start, 16);
    StopAfterFrames(device, 30);
    RunRenderLoop(params, device);

    params.control.store(kReseedRequest);
    std::vector<uint32_t> shown;
    RenderLoop loop({0, 0, 640, 480}, false, params.control, start);
    for (uint32_t tick = start; shown.size() < device.presentTicks.size() && tick - start < kRunawayMs; tick += 16) {
        RenderStep step{};
        do {
            step = loop.Step(tick);
            if (step.action == RenderAction::kShowCanvas) shown.push_back(tick);
        } while (step.action != RenderAction::kStopped && DeadlineReached(tick, step.wakeTick));
    }
    EXPECT_EQ(shown, device.presentTicks);
}

// The web page's slideshow names each picture in the address by the loop's image number:
// without reseeding, the frame that ends each fade must be exactly that picture.
TEST_F(RenderLoopTest, WithoutReseedingEachFadeEndsOnThePictureItsNumberNames) {
    params.control.store(0);
    struct Shown {
        int imageNumber;
        uint64_t canvasHash;
    };
    std::vector<Shown> shown;
    {
        RenderLoop loop({0, 0, 640, 480}, false, params.control, 0);
        int frames = 0;
        for (uint32_t tick = 0; shown.size() < 2 && tick < kRunawayMs; tick += 16) {
            if (loop.Step(tick).action == RenderAction::kShowCanvas && ++frames % 27 == 0) {
                shown.push_back({loop.ImageNumber(), CanvasHash()});
            }
        }
    }
    ASSERT_EQ(shown.size(), 2u);
    for (const Shown& picture : shown) {
        ASSERT_EQ(CreateFrameBuffers(kPictureWidth, kPictureHeight, kCanvasOnly), kCanvasOnly);
        int imageNumber = picture.imageNumber;
        GenerateScene(imageNumber, nullptr);
        EXPECT_EQ(CanvasHash(), picture.canvasHash) << "picture " << picture.imageNumber;
        DestroyFrameBuffers();
    }
}

// A program's own schedule: numbered pictures, a longer hold, slept through in one wait
// by a device whose waits end on a stop. A jump of the clock in the middle of a fade (a
// machine resumed, a process continued) shows the next frame once, not every frame it
// missed.
TEST_F(RenderLoopTest, AScheduleNumbersThePicturesAndEndsTheHolds) {
    class NumberedSchedule : public PictureSchedule {
    public:
        uint32_t HoldEnd(uint32_t shownAt) override { return shownAt + 5000; }
        int NextImageNumber() override { return next++; }
        int next = 7;
    } schedule;
    params.control.store(0);
    FakeRenderDevice device(params, 640, 480);
    device.longestWait = UINT32_MAX;
    std::vector<uint64_t> wholePictures;
    device.onPresent = [&] {
        if (device.presented.size() % 27 == 0) wholePictures.push_back(CanvasHash());
        if (device.presented.size() == 10) device.elapsed += 400000;
        if (device.presented.size() == 54) device.Stop();
    };
    RunRenderLoop(params, device, schedule);
    ASSERT_EQ(device.presentTicks.size(), 54u);
    EXPECT_EQ(device.presentTicks[27] - device.presentTicks[26], 5000u);
    EXPECT_NE(std::find(device.waits.begin(), device.waits.end(), 5000u), device.waits.end());
    EXPECT_GE(device.presentTicks[10] - device.presentTicks[9], 400000u);
    EXPECT_EQ(device.presentTicks[11] - device.presentTicks[10], kFramePeriodMs);
    for (int n : {7, 8}) {
        ASSERT_EQ(CreateCanvas(kPictureWidth, kPictureHeight), kAllocated);
        RenderPicture(n);
        EXPECT_EQ(wholePictures[static_cast<size_t>(n - 7)], CanvasHash()) << "picture " << n;
        ReleaseCanvas();
    }
}

}  // namespace
}  // namespace vorrith
