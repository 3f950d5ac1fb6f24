#include "describe/scene_words.h"

#include "core/scene_plan.h"

namespace vorrith {

const char* GroundName(int sceneType) {
    switch (sceneType) {
    case kHillCountry: return "hill country";
    case kReliefPlain: return "relief plain with rocks";
    case kCraterPlain: return "crater plain with rocks";
    case kSea: return "sea";
    default: return "unknown";
    }
}

const char* LayerChoiceName(LayerChoice choice) {
    switch (choice) {
    case kPlanetsNoGalaxy: return "planets and moons, no galaxy";
    case kGalaxyAndPlanets: return "galaxy, planets and moons";
    case kGalaxyNoPlanets: return "galaxy, no planets or moons";
    }
    return "unknown";
}

}  // namespace vorrith
