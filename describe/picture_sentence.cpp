#include "describe/picture_sentence.h"

#include <string>
#include <vector>

#include "core/palette.h"
#include "core/scene_plan.h"
#include "describe/colour_name.h"
#include "describe/scene_words.h"
#include "scene/scene_driver.h"

namespace vorrith {
namespace {

constexpr int kMoonRampEntries = kMoonPaletteLast - kMoonPaletteFirst + 1;

// "a" or "an" before the word, by its first letter (the words here have no silent h).
std::string WithArticle(const std::string& words) {
    const bool vowel = std::string("aeiou").find(words[0]) != std::string::npos;
    return (vowel ? "an " : "a ") + words;
}

std::string GroundPhrase(int sceneType) {
    const std::string name = GroundName(sceneType);
    return sceneType == kHillCountry ? name : WithArticle(name);  // "hill country" takes no article
}

// A gradient sky is named by the colour of the middle of its ramp.
std::string SkyPhrase(const ScenePlan& plan) {
    if (!plan.gradientSky) return "a starry black sky";
    const PaletteBand& sky = plan.bands[kSkyBand];
    return WithArticle(ColourName(PaletteColour((sky.firstIndex + sky.lastIndex) / 2))) + " sky";
}

// The single large moon of a scene without a planet. Lit by a sun, the first sunSize
// entries of its ramp across the disc are its dark side, where the sky shows through.
const char* MoonPhase(const ScenePlan& plan) {
    if (!plan.sunVisible) return "full";
    const int lit = kMoonRampEntries - plan.sunSize;
    if (lit * 5 < kMoonRampEntries * 2) return "crescent";  // under two fifths lit
    if (lit * 5 <= kMoonRampEntries * 3) return "half";
    return "gibbous";
}

std::vector<std::string> SkyBodies(const ScenePlan& plan, LayerChoice choice) {
    std::vector<std::string> bodies;
    if (plan.sunVisible) bodies.emplace_back(plan.sunCount == 2 ? "two suns" : "a sun");
    if (DrawsGalaxy(choice)) bodies.emplace_back("a galaxy");
    if (DrawsPlanetAndMoons(choice)) {
        bodies.push_back(plan.noPlanet ? std::string("a ") + MoonPhase(plan) + " moon" : "a planet with moons");
    }
    return bodies;
}

// "a", "a and b", "a, b and c".
std::string JoinedList(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

}  // namespace

std::string PlannedSceneInWords() {
    const ScenePlan& plan = Plan;
    std::string words = GroundPhrase(plan.sceneType) + " under " + SkyPhrase(plan);
    const std::vector<std::string> bodies = SkyBodies(plan, SceneChoices.layerChoice);
    if (!bodies.empty()) words += " with " + JoinedList(bodies);
    return words;
}

std::string PictureSentence(int imageNumber) {
    PlanScene(imageNumber);
    return "Picture " + std::to_string(imageNumber) + ": " + PlannedSceneInWords();
}

}  // namespace vorrith
