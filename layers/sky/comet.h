// DrawComet: on gradient skies, in half of its calls, a comet: a head made by a
// brightening burst and a tail of jittered rays fanning out away from a random direction,
// brightest along its axis and ragged at its end.
//
// It only multiplies the sky's light (by 265/256 and 270/256), so it shows as a brighter
// streak of the sky's own colours. On a black sky it draws nothing and takes no random
// value; when its first draw is even it takes only that one. The driver calls it twice.
#pragma once

namespace vorrith {

void DrawComet();

}  // namespace vorrith
