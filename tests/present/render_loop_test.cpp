#include "present/render_loop.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "present/frame_buffers.h"

namespace vorrith {
namespace {

// A window of a given size on a fake clock that sleeping advances. onPresent may look
// at the canvas and stop the loop.
class FakeRenderDevice : public RenderDevice {
public:
    FakeRenderDevice(RenderParams& params, int width, int height) : params_(params), client_{0, 0, width, height} {}

    ScreenRect ClientRect() override { return client_; }
    void Begin(const ScreenRect&) override { ++begins; }
    void Present(const ScreenRect& dest) override {
        presented.push_back(dest);
        presentTicks.push_back(now);
        if (onPresent) onPresent();
    }
    void DrawLowMemory(const ScreenRect&) override { ++lowMemoryNotes; }
    void End() override { ++ends; }
    uint32_t Ticks() override { return now; }
    void Sleep(uint32_t milliseconds) override {
        ++sleeps;
        now += milliseconds == 0 ? 1 : milliseconds;
        if (onSleep) onSleep(milliseconds);
    }
    void Stop() { params_.control.store(kStopRequest); }

    uint32_t now = 1000;
    int begins = 0, ends = 0, sleeps = 0, lowMemoryNotes = 0;
    std::vector<ScreenRect> presented;
    std::vector<uint32_t> presentTicks;
    std::function<void()> onPresent;
    std::function<void(uint32_t)> onSleep;

private:
    RenderParams& params_;
    ScreenRect client_;
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
    EXPECT_EQ(RunRenderLoop(params, device), 0);
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
    EXPECT_EQ(canvas.pixels, nullptr);  // buffers released when the loop ends
}

TEST_F(RenderLoopTest, FramesAreAtLeastAFramePeriodApartAndTheHoldFollows) {
    FakeRenderDevice device(params, 160, 120);
    StopAfterFrames(device, 28);
    RunRenderLoop(params, device);
    for (size_t i = 1; i < 27; ++i) {
        EXPECT_GE(device.presentTicks[i] - device.presentTicks[i - 1], kFramePeriodMs);
    }
    EXPECT_GE(device.presentTicks[27] - device.presentTicks[26], kPictureHoldMs);
    EXPECT_EQ(device.presented[5].right, 160);  // preview: always the whole client area
}

TEST_F(RenderLoopTest, FirstPictureFadesInFromBlackAndEndsOnTheExactPicture) {
    FakeRenderDevice device(params, 640, 480);
    bool firstChecked = false;
    device.onPresent = [&] {
        const size_t n = canvas.stride * canvas.height;
        if (device.presented.size() == 1) {
            for (size_t i = 0; i < n; ++i) ASSERT_EQ(canvas.pixels[i], (incoming.pixels[i] * 22) >> 8);
            firstChecked = true;
        } else if (device.presented.size() == 27) {
            for (size_t i = 0; i < n; ++i) ASSERT_EQ(canvas.pixels[i], incoming.pixels[i]);
            device.Stop();
        }
    };
    RunRenderLoop(params, device);
    EXPECT_TRUE(firstChecked);
    EXPECT_EQ(device.presented.size(), 27u);
}

TEST_F(RenderLoopTest, StopDuringTheHoldEndsAtTheNextPoll) {
    FakeRenderDevice device(params, 640, 480);
    int sleepsAfterStop = -1;
    device.onPresent = [&] {
        if (device.presented.size() == 27) device.onSleep = [&](uint32_t ms) {
            if (ms == kHoldPollMs && sleepsAfterStop < 0) {
                device.Stop();
                sleepsAfterStop = 0;
            } else if (sleepsAfterStop >= 0) {
                ++sleepsAfterStop;
            }
        };
    };
    RunRenderLoop(params, device);
    EXPECT_EQ(device.presented.size(), 27u);
    EXPECT_EQ(sleepsAfterStop, 0);
}

TEST_F(RenderLoopTest, StopDuringAFadeShowsNoFurtherFrame) {
    FakeRenderDevice device(params, 640, 480);
    device.onPresent = [&] {
        if (device.presented.size() == 3) device.onSleep = [&](uint32_t) { device.Stop(); };
    };
    RunRenderLoop(params, device);
    EXPECT_EQ(device.presented.size(), 3u);
}

TEST_F(RenderLoopTest, WithoutFadeBuffersPicturesCarryTheLowMemoryNote) {
    ASSERT_EQ(incoming.Allocate(640, 480), 0);  // makes the fade buffers unavailable
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
    ASSERT_EQ(canvas.Allocate(640, 480), 0);  // makes the canvas unavailable
    FakeRenderDevice device(params, 640, 480);
    device.onSleep = [&](uint32_t) {
        if (device.sleeps == 3) device.Stop();
    };
    RunRenderLoop(params, device);
    EXPECT_TRUE(device.presented.empty());
    EXPECT_EQ(device.lowMemoryNotes, 1);
    EXPECT_EQ(device.ends, 1);
}

}  // namespace
}  // namespace vorrith
