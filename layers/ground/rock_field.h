// DrawRockField: boulders and pebbles over the ground of relief and crater plains, in 3
// to 6 depth layers below the horizon. Nearer layers are spaced wider apart, hold larger
// rocks and use colours two palette entries lower. Within a layer, groups of rocks are
// placed left to right; a group is pairs of rocks on a few rows, the pairs closing in
// row by row, each rock with 3 to 6 pebbles scattered outside the pair.
// One rand() for the layer count, then table values; each group reseeds the cursor.
#pragma once

namespace vorrith {

void DrawRockField();

}  // namespace vorrith
