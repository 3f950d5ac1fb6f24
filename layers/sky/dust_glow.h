// Sun dust: many identical dots, each a 3 x 3 block of +1 in every channel (added with
// saturation, clipped to the canvas), centred where the caller places them.
//
// Saturating additions of non-negative amounts come to one saturating addition of their
// sum, and nothing else touches the canvas while dots are placed, so DustDots counts the
// dots where they fall and adds them in one pass: each pixel gains the number of dots
// whose block covers it. The bytes are those of adding every dot's sprite in turn.
#pragma once

#include <vector>

namespace vorrith {

class DustDots {
public:
    // Dots are expected with centres in [left, right] x [top, bottom]; one outside that
    // rectangle is added to the canvas at once.
    DustDots(int left, int top, int right, int bottom);

    void Place(int x, int y);
    // Adds the dots counted so far to the canvas and forgets them.
    void AddToCanvas();

private:
    int Index(int x, int y) const { return (y - top_ + 1) * columns_ + (x - left_ + 1); }

    int left_, top_, right_, bottom_;
    int columns_, rows_;  // the rectangle with a border of one, where the blocks reach
    std::vector<int> counts_;
};

}  // namespace vorrith
