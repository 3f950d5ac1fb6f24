// DrawGalaxy: the galaxy layer, drawn right after the sky backdrop in two scenes of three.
//
// Adds a wide faint halo of soft coloured blobs, in three galaxies out of four three
// spiral arms, a scatter of small stars, a bright core, on black skies a few brightening bursts,
// and a central glow. All light is added with saturation or multiplied in, so the galaxy
// shines through the backdrop. Reads sunX, horizonRow and gradientSky of the plan and
// SceneHeight; every random choice is a rand() draw.
#pragma once

namespace vorrith {

void DrawGalaxy();

}  // namespace vorrith
