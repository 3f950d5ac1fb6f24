// Decides a scene's plan right after seeding: clears and builds the Palette, fills the
// RandomTable and sets every field of Plan, drawing from the generator in a fixed order.
#pragma once

namespace vorrith {

// Needs the clip bounds (CreateCanvas) and a seeded generator.
void BuildScenePlan();

}  // namespace vorrith
