#include "core/scene_plan.h"

namespace vorrith {

ScenePlan Plan;

}  // namespace vorrith
