#include "layers/sky/smooth_disc.h"

#include "core/canvas.h"
#include "core/fixed_point.h"

namespace vorrith {
namespace {

// The disc is traced one octant pair at a time: j walks outwards along the rows and
// columns through the centre while err accumulates j^2; when it passes the diameter the
// outline steps inwards. Each step blends the eight outline pixels by the fraction of
// the diameter left before the next inward step, and fills the spans inside them.
struct DiscTrace {
    int x, y;
    int diameter;
    int left, right;  // ends of the inner spans
    int top, bottom;  // outermost rows
    int up;           // the row above the centre that moves up with j
    int step;
    int err;
    int j;
};

void BlendOutline(const DiscTrace& d, uint32_t colour) {
    const int alpha = Fixed8::Ratio(d.diameter - d.err, d.diameter);
    Canvas.BlendPixelClipped(d.x - d.j, d.top, alpha, colour);
    Canvas.BlendPixelClipped(d.x + d.j, d.top, alpha, colour);
    Canvas.BlendPixelClipped(d.x - d.j, d.bottom, alpha, colour);
    Canvas.BlendPixelClipped(d.x + d.j, d.bottom, alpha, colour);
    Canvas.BlendPixelClipped(d.left - 1, d.up, alpha, colour);
    Canvas.BlendPixelClipped(d.right + 1, d.up, alpha, colour);
    Canvas.BlendPixelClipped(d.left - 1, d.y + d.j, alpha, colour);
    Canvas.BlendPixelClipped(d.right + 1, d.y + d.j, alpha, colour);
}

void FillInnerSpans(const DiscTrace& d, uint32_t colour) {
    if (d.right < d.left) return;
    Canvas.FillSpan(d.left, d.right, d.up, colour);
    Canvas.FillSpan(d.left, d.right, d.y + d.j, colour);
}

void StepInwards(DiscTrace& d, uint32_t colour) {
    ++d.left;
    ++d.top;
    --d.right;
    --d.bottom;
    d.err += 1 - d.step;
    Canvas.FillSpan(d.x - d.j, d.x + d.j, d.top, colour);
    Canvas.FillSpan(d.x - d.j, d.x + d.j, d.bottom, colour);
    d.step -= 2;
}

}  // namespace

void FillSmoothDisc(int x, int y, int n, uint32_t colour) {
    if (n < 1) return;
    if (n == 1) {
        Canvas.PutPixelClipped(x, y, colour);
        return;
    }
    DiscTrace d{x, y, 2 * n - 1, x - n + 2, x + n - 2, y - n + 1, y + n - 1, y, 2 * n - 2, 0, 0};
    while (d.right - d.x + 1 >= d.j) {
        BlendOutline(d, colour);
        FillInnerSpans(d, colour);
        d.err += 2 * d.j + 1;
        if (d.err >= d.diameter) StepInwards(d, colour);
        --d.up;
        ++d.j;
    }
}

}  // namespace vorrith
