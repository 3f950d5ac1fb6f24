// Every drawing step of the reference pictures, checked by canvas hash, generator state
// and table cursor. The values are cumulative, so a line can hold only once every layer
// up to its step is built: lines from an image's first unbuilt step on are skipped and
// counted.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/bmp_writer.h"
#include "core/random.h"
#include "core/scene_driver.h"
#include "tests/support/checkpoints.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

// The layers drawn by the scene driver today. Add a layer's name when it lands.
const std::set<std::string> kBuiltLayers = {"plan", "sky", "galaxy", "comet1", "suns",
                                            "planet+moons", "clouds", "comet2", "ground"};

struct Observed {
    uint64_t canvasHash;
    uint32_t randomState;
    int32_t cursor;
};

// Renders an image up to the end of `lastStep`, stopping at the next checkpoint, and
// records what each step left behind.
std::map<int, Observed> RenderUpTo(int imageNumber, int lastStep) {
    std::map<int, Observed> observed;
    ControlWord control{0};
    SetSceneStepObserver([&](int step) {
        observed[step] = {CanvasHash(), RandomState(), randomCursor};
        if (step >= lastStep) control.store(kStopRequest);
    });
    GenerateScene(nullptr, imageNumber, &control);
    SetSceneStepObserver(nullptr);
    return observed;
}

// A finished picture whose hash differs is written to the test build folder, to be
// looked at (the canvas holds it after a render up to the ground).
void SaveFinishedPicture(int imageNumber) {
    const std::string path = std::string(VORRITH_TEST_OUTPUT_DIR) + "/checkpoint-" + std::to_string(imageNumber) + "-actual.bmp";
    if (SaveCanvasBmp(path) == 0) std::cout << "image " << imageNumber << " written to " << path << "\n";
}

class SceneCheckpointTest : public CanvasTest, public ::testing::WithParamInterface<int> {};

TEST_P(SceneCheckpointTest, ReferenceLinesHold) {
    const int step = GetParam();
    std::map<int, std::vector<Checkpoint>> linesByImage;
    for (const Checkpoint& c : LoadReferenceCheckpoints()) linesByImage[c.imageNumber].push_back(c);

    int checked = 0;
    int skipped = 0;
    std::string waitingFor;
    for (const auto& [imageNumber, lines] : linesByImage) {
        const Checkpoint* target = nullptr;
        bool ready = true;
        for (const Checkpoint& c : lines) {
            if (c.step > step) break;
            if (kBuiltLayers.count(c.layer) == 0) {
                ready = false;
                if (waitingFor.find(c.layer) == std::string::npos) waitingFor += " " + c.layer;
            }
            if (c.step == step) target = &c;
        }
        if (target == nullptr) continue;
        if (!ready) {
            ++skipped;
            continue;
        }
        const auto observed = RenderUpTo(imageNumber, step);
        const auto found = observed.find(step);
        ASSERT_NE(found, observed.end()) << "image " << imageNumber << " did not run step " << step;
        EXPECT_EQ(found->second.canvasHash, target->canvasHash) << "image " << imageNumber;
        if (step == kStepGround && found->second.canvasHash != target->canvasHash) SaveFinishedPicture(imageNumber);
        EXPECT_EQ(found->second.randomState, target->randomState) << "image " << imageNumber;
        EXPECT_EQ(found->second.cursor, target->cursor) << "image " << imageNumber;
        ++checked;
    }
    if (checked == 0) GTEST_SKIP() << skipped << " lines of step " << step << " wait for:" << waitingFor;
    if (skipped > 0) {
        std::cout << "[ SKIPPED  ] " << skipped << " lines of step " << step << " wait for:" << waitingFor << "\n";
    }
    std::cout << "checked " << checked << " lines of step " << step << "\n";
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
