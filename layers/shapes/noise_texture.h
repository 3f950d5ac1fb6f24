// Noise textures: single-channel byte blocks, width x height, row-major with no gap
// between rows. Every operation that reads neighbours treats the block as a torus (the
// right neighbour of the last column is column 0, the row below the last row is row 0),
// so textures made with them tile seamlessly.
//
// FillNoiseBytes   writes count bytes, each the low byte of one rand() draw, in order.
// SmoothWrapped    one in-place pass of a 2 x 2 box filter: every cell becomes the
//                  rounded mean of itself and its right, lower and lower-right
//                  neighbours as they were before the pass. Draws nothing.
// UpsampleWrapped  writes a texture twice as wide and twice as high into destination
//                  (room for 4 * width * height bytes): even cells copy the source, odd
//                  cells are rounded means of two or four neighbours. Draws nothing; the
//                  source is left as it was.
// None of them fails or reports anything.
#pragma once

#include <cstdint>

namespace vorrith {

void FillNoiseBytes(uint8_t* buffer, int count);
void SmoothWrapped(uint8_t* texture, int width, int height);
void UpsampleWrapped(const uint8_t* source, int width, int height, uint8_t* destination);

}  // namespace vorrith
