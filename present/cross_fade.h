// CrossFade: blends outgoing and incoming into the canvas at a fade level 0 ... 256
// (the weight of incoming), byte by byte with padding included:
// canvas = (outgoing * (256 - level) + incoming * level) >> 8, truncated.
// Level 256 reproduces incoming exactly and level 0 outgoing.
#pragma once

namespace vorrith {

void CrossFade(int level);

}  // namespace vorrith
