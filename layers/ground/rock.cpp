#include "layers/ground/rock.h"

#include <algorithm>
#include <cmath>

#include "core/canvas.h"
#include "core/random.h"
#include "core/sine_table.h"
#include "layers/ground/rock_runs.h"
#include "layers/shapes/ellipse_shading.h"
#include "layers/shapes/palette_run.h"

namespace vorrith {
namespace {

constexpr int kShadowAngle = 2020;  // about 5 degrees below the horizontal
constexpr int kShadowStrength = -6;

struct Rock {
    int x, base, width, height, top;
    int lowIndex, highIndex;
    int leftIndex;              // darkens toward lowIndex row by row
    int rightIndex;             // rises toward highIndex, then falls
    int dither;                 // in whole entries
    int left, right;            // this row's edges
    int leftFixed, rightFixed;  // the edges in 1/16 pixel
    int leftSpeed, rightSpeed;  // bound of an edge's move per row, 1/16 pixel
    int leftTurn, rightTurn;    // rows where the edges turn inward
};

// The four start values: side index, dither and the two edge offsets.
void StartRock(Rock& rock) {
    const int m = NextRandomValue() & 1;
    rock.leftIndex = rock.lowIndex + 32 / (2 + m + (rock.width < 8 ? 1 : 0));
    rock.dither = NextRandomValue() % 5 + 2;
    const int n = static_cast<int>(std::sqrt(static_cast<double>(rock.width + 1))) + 1;
    const int leftOffset = NextRandomValue() % n;
    const int rightOffset = NextRandomValue() % n;
    rock.left = rock.x - (leftOffset + n) / 2;
    rock.right = rock.x + 1 + (rightOffset + n) / 2;
    rock.leftFixed = 16 * rock.left;
    rock.rightFixed = 16 * rock.right;
    rock.leftSpeed = rock.rightSpeed = 16 * n;
    rock.rightIndex = rock.highIndex - 4;
}

void DrawPebble(const Rock& rock) {
    if (rock.base > ClipBottom) return;
    const int fading = NextRandomValue() & 7;
    const int x = rock.x, base = rock.base, dark = rock.leftIndex, light = rock.rightIndex;
    BlendPaletteDot(x - 1, base, dark, 58 - fading);
    BlendPaletteDot(x, base, dark, 83 - fading);
    BlendPaletteDot(x + 1, base, light, 83 - fading);
    if (rock.height > 1) {
        BlendPaletteDot(x - 2, base, dark, 51 - fading);
        BlendPaletteDot(x, base - 1, light, 77 - fading);
        BlendPaletteDot(x + 1, base - 1, light, 51 - fading);
    }
    if (rock.width > 2) BlendPaletteDot(x + 2, base, light, 51 - fading);
}

// A flat tilted ellipse left of the rock, reaching a little below its base.
void DrawShadow(const Rock& rock) {
    const int reach = 2 * rock.height + 5;
    const int ry = reach / 8 + rock.width / 8 + 1;
    const int cx = rock.right - MulQ15(reach, TableCos(kShadowAngle));
    const int cy = rock.base - MulQ15(reach, TableSin(kShadowAngle));
    ShadeEllipse({cx, cy, reach, ry, ry, kShadowAngle, kGroundBand, kShadowStrength, kNoClipCircle});
}

// A row between the middle and three quarters of the way down the rock.
int TurningRow(const Rock& rock) {
    const int k = NextRandomValue() % 3;
    return ((k + 1) * rock.base + rock.top) / (k + 2);
}

// Moves both edges for row y (one table value each) and updates the side indices.
void MoveEdges(Rock& rock, int y) {
    if (rock.leftIndex > rock.lowIndex) --rock.leftIndex;
    if (rock.leftSpeed > 16) rock.leftSpeed -= 16;
    const int leftMove = NextRandomValue() % rock.leftSpeed;
    rock.leftFixed += y < rock.leftTurn ? -leftMove : leftMove;
    if (rock.rightIndex < rock.highIndex && y <= rock.rightTurn) ++rock.rightIndex;
    if (rock.rightIndex > rock.lowIndex && y > rock.rightTurn) --rock.rightIndex;
    if (rock.rightSpeed > 16) rock.rightSpeed -= 16;
    const int rightMove = NextRandomValue() % rock.rightSpeed;
    rock.rightFixed += y <= rock.rightTurn ? rightMove : -rightMove;
}

// The extent of the last drawn row: its soft ends and its edges.
struct DrawnRow {
    int low, high, left, right;
};

// Narrower foot row under the body, a quarter of its width in from each end.
void DrawFootRow(const Rock& rock, const DrawnRow& last, int y) {
    const int span = last.right - last.left;
    if (span <= 8) return;
    const int eighth = span / 8;
    const int footIndex = rock.rightIndex - 2 > rock.leftIndex ? rock.rightIndex - 2 : rock.leftIndex + 1;
    ShadeRun(last.low + eighth, last.low + 2 * eighth, y, rock.leftIndex, 1, 1);
    FillDitheredRun(last.low + 2 * eighth + 1, last.high - 2 * eighth - 1, y, rock.leftIndex, footIndex, rock.dither);
    ShadeRun(last.high - eighth, last.high - 2 * eighth, y, footIndex, 1, 1);
}

void DrawBody(Rock& rock) {
    const int endRow = std::min(rock.base, ClipBottom + 1);
    int previousLeft = rock.x;
    int previousRight = rock.x + 1;
    DrawnRow last{};
    bool lastRowDrawn = false;
    int y = rock.top;
    for (; y < endRow && rock.left < rock.right; ++y) {
        MoveEdges(rock, y);
        const int nextLeft = rock.leftFixed >> 4;
        const int nextRight = rock.rightFixed >> 4;
        lastRowDrawn = rock.right >= ClipLeft && rock.left <= ClipRight;
        if (lastRowDrawn) {
            last.low = std::min({nextLeft, previousLeft, rock.left});
            last.high = std::max({nextRight, previousRight, rock.right});
            last.left = rock.left;
            last.right = rock.right;
            ShadeRun(last.low, rock.left, y, rock.leftIndex, 16 - (rock.leftFixed & 15), 16);
            FillDitheredRun(rock.left + 1, rock.right - 1, y, rock.leftIndex, rock.rightIndex, rock.dither);
            ShadeRun(last.high + 1, rock.right, y, rock.rightIndex, rock.rightFixed & 15, 16);
        }
        previousLeft = rock.left;
        previousRight = rock.right;
        rock.left = nextLeft;
        rock.right = nextRight;
    }
    if (y <= ClipBottom && lastRowDrawn) DrawFootRow(rock, last, y);
}

}  // namespace

void DrawRock(int x, int base, int width, int height, int lowIndex, int highIndex) {
    const int half = width / 2;
    if (x + half <= ClipLeft || x - half >= ClipRight) return;
    const int top = base - height;
    if (top >= ClipBottom) return;
    Rock rock{};
    rock.x = x;
    rock.base = base;
    rock.width = width;
    rock.height = height;
    rock.top = top;
    rock.lowIndex = lowIndex;
    rock.highIndex = highIndex;
    StartRock(rock);
    if (height < 3 || width < 4) {
        DrawPebble(rock);
        return;
    }
    DrawShadow(rock);
    rock.leftTurn = TurningRow(rock);
    rock.rightTurn = TurningRow(rock);
    DrawBody(rock);
}

}  // namespace vorrith
