// Every drawing step of the reference pictures, checked by canvas hash, generator state
// and table cursor. When a line fails, the canvas as that step left it is written to the
// test build folder under the image number and step, with a diff image against the
// recorded picture where one exists for a finished picture.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/bmp_writer.h"
#include "core/random.h"
#include "scene/scene_driver.h"
#include "tests/support/checkpoints.h"
#include "tests/support/golden_pictures.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

struct Observed {
    uint64_t canvasHash;
    uint32_t randomState;
    int32_t cursor;
};

// Renders an image up to the end of `lastStep`, stopping at the next checkpoint, and
// records what each step left behind; the canvas keeps the picture as of `lastStep`.
std::map<int, Observed> RenderUpTo(int imageNumber, int lastStep) {
    std::map<int, Observed> observed;
    ControlWord control{0};
    SetSceneStepObserver([&](int step) {
        observed[step] = {CanvasHash(), RandomState(), RandomCursor};
        if (step >= lastStep) control.store(kStopRequest);
    });
    GenerateScene(imageNumber, &control);
    SetSceneStepObserver(nullptr);
    return observed;
}

// Writes what the failing step drew, and how a finished picture differs from its golden.
std::string SaveFailingStep(int imageNumber, int step) {
    const std::string prefix =
        "checkpoint-" + std::to_string(imageNumber) + "-step" + std::to_string(step) + "-" + SceneStepName(step);
    const std::string actual = TestOutputPath(prefix + "-actual.bmp");
    if (step == kStepGround && HasGoldenPicture(imageNumber)) {
        CompareCanvasWithRows(ReadGoldenRows(GoldenPath(imageNumber)), prefix);
        return actual + " (and " + TestOutputPath(prefix + "-diff.bmp") + ")";
    }
    WriteTestBmp(Canvas, actual);
    return actual;
}

class SceneCheckpointTest : public CanvasTest, public ::testing::WithParamInterface<int> {};

TEST_P(SceneCheckpointTest, ReferenceLinesHold) {
    const int step = GetParam();
    int checked = 0;
    for (const Checkpoint& line : LoadReferenceCheckpoints()) {
        if (line.step != step) continue;
        const auto observed = RenderUpTo(line.imageNumber, step);
        const auto found = observed.find(step);
        ASSERT_NE(found, observed.end()) << "image " << line.imageNumber << " did not run step " << step;
        const Observed& seen = found->second;
        if (seen.canvasHash != line.canvasHash || seen.randomState != line.randomState || seen.cursor != line.cursor) {
            ADD_FAILURE() << "image " << line.imageNumber << ", step " << step << " (" << line.layer
                          << "): canvas hash " << std::hex << seen.canvasHash << " (expected " << line.canvasHash
                          << "), generator state " << seen.randomState << " (expected " << line.randomState
                          << "), table cursor " << std::dec << seen.cursor << " (expected " << line.cursor
                          << "); canvas written to " << SaveFailingStep(line.imageNumber, step);
        }
        ++checked;
    }
    EXPECT_GT(checked, 0) << "no reference line for step " << step;
}

INSTANTIATE_TEST_SUITE_P(DriverSteps, SceneCheckpointTest,
                         ::testing::Values(kStepPlan, kStepSky, kStepGalaxy, kStepFirstComet, kStepSunsFirst,
                                           kStepPlanetAndMoons, kStepClouds, kStepSunsLast, kStepSecondComet,
                                           kStepGround),
                         [](const ::testing::TestParamInfo<int>& param) {
                             return "Step" + std::to_string(param.param);
                         });

}  // namespace
}  // namespace vorrith
