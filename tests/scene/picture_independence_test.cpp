// Pictures depend on their number alone: nothing leaks from one picture into the next.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/scene_plan.h"
#include "scene/scene_driver.h"
#include "tests/support/picture_fixture.h"
#include "tests/support/sample_images.h"

namespace vorrith {
namespace {

class PictureIndependenceTest : public CanvasTest {};

TEST_F(PictureIndependenceTest, SampleCoversEverySceneTypeSkyAndLayerChoice) {
    std::set<int> sceneTypes, skies, layerChoices;
    for (int n : kSampleImages) {
        PlanScene(n);
        sceneTypes.insert(Plan.sceneType);
        skies.insert(Plan.gradientSky);
        layerChoices.insert(SceneChoices.layerChoice);
    }
    EXPECT_EQ(sceneTypes.size(), 4u);
    EXPECT_EQ(skies.size(), 2u);
    EXPECT_EQ(layerChoices.size(), 3u);
}

TEST_F(PictureIndependenceTest, TwoOrdersGiveIdenticalPictures) {
    std::map<int, uint64_t> forward;
    for (int n : kSampleImages) {
        RenderPicture(n);
        forward[n] = CanvasHash();
    }
    for (auto it = kSampleImages.rbegin(); it != kSampleImages.rend(); ++it) {
        RenderPicture(*it);
        EXPECT_EQ(CanvasHash(), forward[*it]) << "image " << *it;
    }
}

}  // namespace
}  // namespace vorrith
