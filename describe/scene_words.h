// The words both descriptions of a picture use for what its plan decides, so the
// renderer's --describe and the page's captions name things alike.
#pragma once

#include "scene/scene_driver.h"

namespace vorrith {

// The kind of ground of a SceneType: "hill country", "relief plain with rocks",
// "crater plain with rocks", "sea"; "unknown" for any other value.
const char* GroundName(int sceneType);

// What the layer choice draws: "planets and moons, no galaxy" and so on.
const char* LayerChoiceName(LayerChoice choice);

constexpr bool DrawsGalaxy(LayerChoice choice) { return choice != kPlanetsNoGalaxy; }
constexpr bool DrawsPlanetAndMoons(LayerChoice choice) { return choice != kGalaxyNoPlanets; }

}  // namespace vorrith
