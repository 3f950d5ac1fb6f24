#include "layers/ground/river.h"

#include <algorithm>

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/ground/cubic_curve.h"

namespace vorrith {
namespace {

constexpr float kRowStep = 1.0f / 256.0f;
// Stored in single precision: its float value times the draw is what the picture uses.
constexpr float kMeanderFrequencyStep = 0.02f;

struct RiverCurves {
    CubicCurve meander;
    CubicCurve course;
    CubicCurve depth;
};

void SetRiverCurves(RiverCurves& curves) {
    const int w = SceneWidth;
    const int m1 = rand() % w - w / 2;
    const int m2 = rand() % w - w / 2;
    curves.meander.Set(0.0f, static_cast<float>(m1), static_cast<float>(m2), 0.0f);
    const int q0 = rand() % w;
    const int q1 = rand() % w;
    const int q2 = rand() % w;
    const int q3 = rand() % w;
    curves.course.Set(static_cast<float>(q0), static_cast<float>(q1), static_cast<float>(q2), static_cast<float>(q3));
    // Two values the river does not use; drawing them keeps every later draw in place.
    [[maybe_unused]] const int spareFirst = rand();
    [[maybe_unused]] const int spareSecond = rand();
    const int hz = Plan.horizonRow;
    const int depthRows = SceneHeight - 1 - hz;
    curves.depth.Set(static_cast<float>(hz), static_cast<float>(hz + depthRows / 3),
                     static_cast<float>(hz + (2 * depthRows) / 3), static_cast<float>(SceneHeight - 1));
}

float StoreFloat(double value) { return static_cast<float>(value); }

// Advances from parameter tp (at `row`) to the parameter of an adjacent row: steps of
// 1/256 while the row stays, halving back toward tp when a step skips rows.
float FindNextRowParameter(const CubicCurve& depth, float tp, int row, int& nextRow) {
    float u = StoreFloat(static_cast<double>(tp) + kRowStep);
    for (;;) {
        const int v = static_cast<int>(depth.Evaluate(u));
        if (v == row + 1 || v == row - 1) {
            nextRow = v;
            return u;
        }
        if (v == row) {
            tp = u;
            u = StoreFloat(static_cast<double>(u) + kRowStep);
        } else {
            u = StoreFloat((static_cast<double>(u) + tp) / 2.0);
        }
    }
}

// Column offset of the meanders at parameter u: k half-waves along the river, each
// traced as the meander curve's bump, alternating sides, at 1/16 of its size.
int MeanderOffset(const CubicCurve& meander, float u, float frequency) {
    const int q = static_cast<int>(static_cast<double>(u) * static_cast<double>(frequency) * 1024.0);
    const int mirrored = (q / 1024) & 1;
    int phase = q & 1023;
    if (mirrored) phase = 1024 - phase;
    int offset = static_cast<int>(meander.Evaluate(static_cast<float>(phase) / 1024.0f));
    if (mirrored) offset = -offset;
    return offset / 16;
}

}  // namespace

void DrawRiver() {
    RiverCurves curves;
    SetRiverCurves(curves);
    const int nearWidth = SceneWidth / 16;
    const int farWidth = SceneWidth / 6;
    int row = static_cast<int>(curves.depth.Evaluate(0.0f));
    const int firstX =
        static_cast<int>(curves.meander.Evaluate(0.0f)) / 16 + static_cast<int>(curves.course.Evaluate(0.0f));
    DrawRiverRow(firstX, row, nearWidth, kRiverColour);
    const int frequencyDraw = rand() % 100;
    const float frequency = StoreFloat(3.0 + static_cast<double>(kMeanderFrequencyStep) * frequencyDraw);
    float tp = 0.0f;
    for (;;) {
        int v = row;
        float u = FindNextRowParameter(curves.depth, tp, row, v);
        if (u >= 1.0f) u = 1.0f;
        const int x = static_cast<int>(curves.course.Evaluate(u)) + MeanderOffset(curves.meander, u, frequency);
        const int width = static_cast<int>((farWidth - nearWidth) * static_cast<double>(u)) + nearWidth;
        DrawRiverRow(x, v, width, kRiverColour);
        if (v == SceneHeight - 1) return;
        tp = u;
        row = v;
    }
}

namespace {

// One in four pixels is speckled: each component scaled by 0.85 ... 1.14, rounded.
int Speckle(int component) {
    const int percent = rand() % 30 + 85;
    return std::min(255, (component * percent + 50) / 100);
}

void PutRiverPixel(uint8_t* pixel, uint32_t colour) {
    int blue = BlueOf(colour);
    int green = GreenOf(colour);
    int red = RedOf(colour);
    if ((rand() & 3) == 0) {
        red = Speckle(red);
        green = Speckle(green);
        blue = Speckle(blue);
    }
    pixel[0] = static_cast<uint8_t>(blue);
    pixel[1] = static_cast<uint8_t>(green);
    pixel[2] = static_cast<uint8_t>(red);
}

}  // namespace

void DrawRiverRow(int x, int y, int width, uint32_t colour) {
    if (y < 0 || y >= SceneHeight) return;
    int left = x - (width >> 1);
    int right = left + width - 1;
    for (int edge = 0; edge <= 512; edge += 256) {
        if (left > right) return;
        if (left >= 0 && left < SceneWidth) Canvas.BlendPixel(left, y, edge / 3, colour);
        if (right >= 0 && right < SceneWidth) Canvas.BlendPixel(right, y, edge / 3, colour);
        ++left;
        --right;
    }
    if (left > right || right < 0 || left >= SceneWidth) return;
    left = std::max(left, 0);
    right = std::min(right, SceneWidth - 1);
    uint8_t* pixel = Canvas.PixelAddress(left, y);
    for (int column = left; column <= right; ++column, pixel += 3) PutRiverPixel(pixel, colour);
}

}  // namespace vorrith
