// DrawSuns: the scene's sun and, in some scenes, a small companion sun next to it.
//
// On a gradient sky a sun is light added to the sky (a white glow, a white glow with a
// grey halo, or a dust glow of thousands of faint dots); on a black sky it is an opaque
// disc in Palette entry 31 inside a rim of entry 16. Afterwards eclipticX moves left by
// the main sun's size plus 3 x sunSize, so planets and moons drawn later keep clear of
// the suns. With sunVisible clear nothing at all happens: no drawing, no random value.
#pragma once

namespace vorrith {

void DrawSuns();

}  // namespace vorrith
