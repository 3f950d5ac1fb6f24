// The shape of one galaxy and the parts of DrawGalaxy that draw from it.
//
// The centre may lie off the canvas (everything is clipped). coreRadius is
// SceneHeight / 30 + 1; outerRadius 20 to 39 percent of SceneHeight. The base colour is
// whole numbers 25 ... 140 (halved on gradient skies), kept as floats because the
// layer scales it by single-precision shares.
#pragma once

namespace vorrith {

struct GalaxyShape {
    int centreX;
    int centreY;
    int coreRadius;
    int outerRadius;
    float red, green, blue;
};

// Each component becomes value * (rand() % 60 + 70) / 100, clamped to 255; three draws,
// red first.
void VaryColour(int& red, int& green, int& blue);

// Three colour components of rand() % 91 + 50 each (red first), drawn again until their
// sum is below 350, then halved when the sky is a gradient.
void DrawGalaxyColour(int& red, int& green, int& blue);

// Three arms of glow sprites turning outwards from the core.
void DrawSpiralArms(const GalaxyShape& shape);

// Single-pixel, cross and blob stars over the halo.
void SprinkleGalaxyStars(const GalaxyShape& shape);

}  // namespace vorrith
