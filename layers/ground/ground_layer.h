// DrawGround: the last layer of every scene. A thin haze over the rows just above the
// horizon, then the ground the scene type asks for: hill country (gradient and hill
// ranges), a relief plain (gradient, relief, rocks), a crater plain (gradient, crater
// rows, a river in half of them, rocks) or a sea (low hills mirrored in the water).
// Draws from rand() and the RandomTable, continuing the streams of the earlier layers.
#pragma once

namespace vorrith {

void DrawGround();

}  // namespace vorrith
