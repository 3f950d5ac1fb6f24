#include "present/picture_schedule.h"

#include "present/render_geometry.h"

namespace vorrith {
namespace {

class ClockSchedule : public PictureSchedule {
public:
    uint32_t HoldEnd(uint32_t shownAt) override { return shownAt + kPictureHoldMs; }
    int NextImageNumber() override { return -1; }
};

}  // namespace

PictureSchedule& ClockPictureSchedule() {
    static ClockSchedule schedule;
    return schedule;
}

}  // namespace vorrith
