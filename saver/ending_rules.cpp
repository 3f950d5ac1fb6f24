#include "saver/ending_rules.h"

#include <cstdlib>

namespace vorrith {

bool ExceedsMouseTravel(CursorPoint last, CursorPoint now) {
    const uint32_t travel =
        static_cast<uint32_t>(std::abs(now.x - last.x)) + static_cast<uint32_t>(std::abs(now.y - last.y));
    return travel > kMouseTravelLimit;
}

bool EndingRules::EndsSaver(const InputEvent& event) {
    switch (event.kind) {
    case InputKind::kKey:
    case InputKind::kMouseButton:
    case InputKind::kFocusLost:
    case InputKind::kSuspendOrResume: return true;
    case InputKind::kPowerReport: return false;
    case InputKind::kMouseMoved: break;
    }
    if (!ExceedsMouseTravel(travelOrigin_, event.at)) return false;
    travelOrigin_ = event.at;
    return true;
}

}  // namespace vorrith
