#include <algorithm>

#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/sky/galaxy_shape.h"

namespace vorrith {
namespace {

int VaryComponent(int value) {
    const int percent = rand() % 60 + 70;
    return std::min(255, value * percent / 100);
}

int GalaxyComponent() { return rand() % 91 + 50; }

}  // namespace

void VaryColour(int& red, int& green, int& blue) {
    red = VaryComponent(red);
    green = VaryComponent(green);
    blue = VaryComponent(blue);
}

void DrawGalaxyColour(int& red, int& green, int& blue) {
    do {
        red = GalaxyComponent();
        green = GalaxyComponent();
        blue = GalaxyComponent();
    } while (red + green + blue >= 350);
    if (Plan.gradientSky) {  // on a lit sky the same light would wash out
        red >>= 1;
        green >>= 1;
        blue >>= 1;
    }
}

}  // namespace vorrith
