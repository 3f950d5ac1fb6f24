// A fixed sample of 64 image numbers for whole-picture comparisons: every fourth number
// of the reference checkpoints, which between them hold all four scene types, both
// kinds of sky and every layer choice (a test checks that).
#pragma once

#include <array>

namespace vorrith {

constexpr std::array<int, 64> kSampleImages = {
    171,   768,   1322,  1862,  2361,  2547,  2640,  2919,  3496,  3945,  4700,  5030,  5330,  5527,  6168,  6617,
    7012,  7199,  7796,  8229,  8431,  9182,  9671,  9837,  10158, 10953, 11314, 11796, 13127, 13777, 14033, 14523,
    15211, 15731, 16117, 16506, 17333, 17439, 18422, 19485, 20332, 20643, 20897, 21140, 21486, 21675, 22211, 23049,
    23628, 24205, 24800, 25196, 25485, 25793, 26183, 26528, 27085, 28044, 28619, 29572, 30587, 30880, 31450, 32484};

}  // namespace vorrith
