// CrossFade: blends outgoing and incoming into the canvas at a fade level 0 ... 256
// (the weight of incoming), byte by byte with padding included:
// canvas = (outgoing * (256 - level) + incoming * level) >> 8, truncated.
// Level 256 reproduces incoming exactly and level 0 outgoing.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vorrith {

void CrossFade(int level);

// The same blend over any count bytes: out = (from * (256 - level) + to * level) >> 8.
void CrossFadeBytes(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t count, int level);

}  // namespace vorrith
