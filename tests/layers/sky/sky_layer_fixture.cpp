#include "tests/layers/sky/sky_layer_fixture.h"

namespace vorrith {

uint32_t StateAfterDraws(uint32_t state, int count) {
    for (int i = 0; i < count; ++i) state = state * 214013u + 2531011u;
    return state;
}

}  // namespace vorrith
