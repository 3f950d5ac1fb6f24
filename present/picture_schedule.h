// What the render loop asks between pictures: which picture comes next and when its fade
// starts. The saver's own schedule takes every number from the clock and holds every
// picture 2.7 s; a program may bring its own (numbered pictures, another hold, fades on
// the wall clock's beat).
#pragma once

#include <cstdint>

namespace vorrith {

class PictureSchedule {
public:
    virtual ~PictureSchedule() = default;
    // The tick count at which the next picture's fade starts, asked when the picture
    // before it has been shown whole at tick shownAt (its fade's last frame).
    virtual uint32_t HoldEnd(uint32_t shownAt) = 0;
    // The image number of the next picture, asked just before it is drawn (for every
    // picture after the first, right after HoldEnd); -1 lets the scene driver take one
    // from the clock.
    virtual int NextImageNumber() = 0;
};

// Numbers from the clock, each picture held kPictureHoldMs; it keeps no state.
PictureSchedule& ClockPictureSchedule();

}  // namespace vorrith
