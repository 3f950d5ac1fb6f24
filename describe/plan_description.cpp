#include "describe/plan_description.h"

#include <cstdio>
#include <sstream>
#include <string>

#include "core/palette.h"
#include "core/scene_plan.h"
#include "describe/picture_sentence.h"
#include "describe/scene_words.h"
#include "scene/scene_driver.h"

namespace vorrith {
namespace {

std::string HexColour(int index) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(PaletteColour(index)));
    return text;
}

// The plan can ask for no planet, and the layer choice can skip the planet layer.
std::string PlanetDrawn(bool noPlanet, LayerChoice layerChoice) {
    std::string reasons;
    if (noPlanet) reasons = "the plan has no planet";
    if (!DrawsPlanetAndMoons(layerChoice)) {
        reasons += std::string(noPlanet ? "; " : "") + "layer choice " + std::to_string(layerChoice) +
                   " skips planets and moons";
    }
    return reasons.empty() ? "drawn" : "not drawn (" + reasons + ")";
}

void DescribeBands(std::ostringstream& out) {
    static const char* const kBandNames[] = {"suns", "sky", "planet", "moons", "ground"};
    out << "palette bands:\n";
    for (int b = 0; b < 5; ++b) {
        const PaletteBand& band = Plan.bands[b];
        out << "  " << kBandNames[b] << " " << band.firstIndex << "-" << band.lastIndex << ": ";
        if (band.lastIndex < band.firstIndex) {
            out << "empty\n";
        } else {
            const int middle = (band.firstIndex + band.lastIndex) / 2;
            out << HexColour(band.firstIndex) << " " << HexColour(middle) << " " << HexColour(band.lastIndex) << "\n";
        }
    }
}

}  // namespace

std::string DescribeScenePlan(int imageNumber) {
    PlanScene(imageNumber);
    const ScenePlan& plan = Plan;
    std::ostringstream out;
    out << "image number: " << imageNumber << "\n"
        << "in words: " << PlannedSceneInWords() << "\n"
        << "scene type: " << plan.sceneType << " (" << GroundName(plan.sceneType) << ")\n"
        << "horizon row: " << plan.horizonRow << "\n"
        << "sky: " << (plan.gradientSky ? "gradient" : "black with stars") << "\n"
        << "grain: " << plan.grain << "\n"
        << "suns: " << (plan.sunVisible ? "visible" : "not visible") << ", size " << plan.sunSize << ", count "
        << plan.sunCount << ", first at (" << plan.sunX << ", " << plan.sunY << ")\n"
        << "ecliptic: angle " << plan.eclipticAngle << ", anchor (" << plan.eclipticX << ", " << plan.eclipticY << ")\n"
        << "planet: " << PlanetDrawn(plan.noPlanet != 0, SceneChoices.layerChoice) << "\n"
        << "layer choice: " << SceneChoices.layerChoice << " (" << LayerChoiceName(SceneChoices.layerChoice) << ")\n"
        << "suns first: " << (SceneChoices.sunFirst ? "yes (before the planets)" : "no (after the clouds)") << "\n";
    DescribeBands(out);
    return out.str();
}

}  // namespace vorrith
