#include "scene/scene_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/clock.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

class FakeClock : public MillisecondClock {
public:
    uint32_t Milliseconds() override {
        ++reads;
        return now;
    }
    uint32_t now = 74565;
    int reads = 0;
};

class SceneDriverTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        SetMillisecondClock(&clock);
    }
    void TearDown() override {
        SetMillisecondClock(nullptr);
        SetSceneStepObserver(nullptr);
        CanvasTest::TearDown();
    }
    FakeClock clock;
};

TEST_F(SceneDriverTest, SameNumberGivesTheSamePictureWhateverCameBefore) {
    RenderPicture(4321);
    const uint64_t first = CanvasHash();
    RenderPicture(7);
    RenderPicture(32767);
    RenderPicture(4321);
    EXPECT_EQ(CanvasHash(), first);
}

TEST_F(SceneDriverTest, MinusOneDerivesTheNumberFromTheClock) {
    int imageNumber = -1;
    GenerateScene(imageNumber, nullptr);
    EXPECT_EQ(imageNumber, 5402);
    const uint64_t derived = CanvasHash();
    RenderPicture(5402);
    EXPECT_EQ(CanvasHash(), derived);
}

TEST_F(SceneDriverTest, StopOnEntryLeavesBlackAndDoesNotSeed) {
    std::memset(Canvas.pixels, 0x5A, static_cast<size_t>(Canvas.stride) * Canvas.height);
    srand(99);
    ControlWord control{kStopRequest};
    int imageNumber = -1;
    GenerateScene(imageNumber, &control);
    EXPECT_EQ(imageNumber, -1);
    EXPECT_EQ(RandomState(), 99u);
    for (int y = 0; y < Canvas.height; y += 37) EXPECT_EQ(Canvas.GetPixel(y, y), 0u);
}

TEST_F(SceneDriverTest, ReseedRequestReadsTheClockAtEveryCheckpoint) {
    ControlWord control{kReseedRequest};
    int imageNumber = 0;
    std::vector<uint32_t> statesAfterSky;
    SetSceneStepObserver([&](int step) {
        if (step == kStepSky) statesAfterSky.push_back(RandomState());
    });
    GenerateScene(imageNumber, &control);
    EXPECT_EQ(clock.reads, 6);
    // The first reseed comes before the image number's seed, which overrides it: the
    // sky follows from the number alone.
    GenerateScene(imageNumber, nullptr);
    ASSERT_EQ(statesAfterSky.size(), 2u);
    EXPECT_EQ(statesAfterSky[0], statesAfterSky[1]);
}

TEST_F(SceneDriverTest, StopAfterAStepEndsAtTheNextCheckpoint) {
    ControlWord control{0};
    std::vector<int> steps;
    SetSceneStepObserver([&](int step) {
        steps.push_back(step);
        if (step == kStepClouds) control.store(kStopRequest);
    });
    int imageNumber = 12345;
    GenerateScene(imageNumber, &control);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back(), kStepClouds);
}

TEST_F(SceneDriverTest, LayerChoicesDecideWhichStepsRun) {
    for (int imageNumber : {0, 12345, 171, 746, 2640}) {
        std::vector<int> steps;
        SetSceneStepObserver([&](int step) { steps.push_back(step); });
        RenderPicture(imageNumber);
        auto ran = [&](int step) { return std::count(steps.begin(), steps.end(), step); };
        EXPECT_EQ(ran(kStepGalaxy), SceneChoices.layerChoice != kPlanetsNoGalaxy ? 1 : 0) << imageNumber;
        EXPECT_EQ(ran(kStepPlanetAndMoons), SceneChoices.layerChoice != kGalaxyNoPlanets ? 1 : 0) << imageNumber;
        EXPECT_EQ(ran(kStepSunsFirst) + ran(kStepSunsLast), 1) << imageNumber;
        EXPECT_EQ(ran(kStepFirstComet) + ran(kStepSecondComet), 2) << imageNumber;
        EXPECT_EQ(steps.back(), kStepGround) << imageNumber;
    }
}

}  // namespace
}  // namespace vorrith
