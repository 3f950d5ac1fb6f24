// Helpers for the sky-object tests: a planned scene over a canvas of known colour.
#pragma once

#include <cstdint>
#include <vector>

#include "core/canvas.h"
#include "core/scene_plan.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {

class SkyLayerTest : public CanvasTest {
protected:
    // Plans image `imageNumber` and paints the whole canvas one colour.
    void PlanOver(int imageNumber, uint32_t colour) {
        PlanPicture(imageNumber);
        for (int y = 0; y < Canvas.height; ++y) Canvas.FillSpan(0, Canvas.width - 1, y, colour);
    }

    // The first image number whose plan satisfies `wanted`.
    template <typename Predicate>
    static int FindImage(Predicate wanted) {
        for (int n = 0;; ++n) {
            PlanPicture(n);
            if (wanted(Plan)) return n;
        }
    }

    static std::vector<uint8_t> Snapshot() {
        return std::vector<uint8_t>(Canvas.pixels, Canvas.pixels + static_cast<size_t>(Canvas.stride) * Canvas.height);
    }
};

// The generator state after `count` more draws from `state` (the global is untouched).
uint32_t StateAfterDraws(uint32_t state, int count);

}  // namespace vorrith
