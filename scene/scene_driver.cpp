#include "scene/scene_driver.h"

#include <cstring>
#include <utility>

#include "core/canvas.h"
#include "core/clock.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/bodies/clouds.h"
#include "layers/bodies/moons.h"
#include "layers/bodies/planet.h"
#include "layers/ground/ground_layer.h"
#include "layers/sky/comet.h"
#include "layers/sky/galaxy.h"
#include "layers/sky/sky_backdrop.h"
#include "layers/sky/suns.h"
#include "scene/scene_planner.h"

namespace vorrith {

LayerChoices SceneChoices;

namespace {

SceneStepObserver stepObserver;

void Report(int step) {
    if (stepObserver) stepObserver(step);
}

// Reads the control word once: reseeds on bit 1, then tells whether bit 0 asks to stop.
bool CheckpointSaysStop(const ControlWord* control) {
    if (control == nullptr) return false;
    const uint32_t word = control->load();
    if (word & kReseedRequest) srand(TickCount());
    return (word & kStopRequest) != 0;
}

void ClearCanvas() { std::memset(Canvas.pixels, 0, static_cast<size_t>(Canvas.stride) * Canvas.height); }

}  // namespace

const char* SceneStepName(int step) {
    switch (step) {
    case kStepPlan: return "plan";
    case kStepSky: return "sky";
    case kStepGalaxy: return "galaxy";
    case kStepFirstComet: return "comet1";
    case kStepSunsFirst: return "suns";
    case kStepPlanetAndMoons: return "planet+moons";
    case kStepClouds: return "clouds";
    case kStepSunsLast: return "suns";
    case kStepSecondComet: return "comet2";
    case kStepGround: return "ground";
    default: return "?";
    }
}

void SetSceneStepObserver(SceneStepObserver observer) { stepObserver = std::move(observer); }

void PlanScene(int imageNumber) {
    srand(static_cast<uint32_t>(imageNumber));
    BuildScenePlan();
    SceneChoices.layerChoice = static_cast<LayerChoice>(rand() % 3);
    SceneChoices.sunFirst = (rand() & 1) != 0;
}

void GenerateScene(int& imageNumber, const ControlWord* control) {
    ClearCanvas();
    if (CheckpointSaysStop(control)) return;
    if (imageNumber == -1) imageNumber = ImageNumberFromTicks(TickCount());
    PlanScene(imageNumber);
    Report(kStepPlan);

    DrawSkyBackdrop();
    Report(kStepSky);
    if (SceneChoices.layerChoice != kPlanetsNoGalaxy) {
        DrawGalaxy();
        Report(kStepGalaxy);
    }
    if (CheckpointSaysStop(control)) return;

    DrawComet();
    Report(kStepFirstComet);
    if (SceneChoices.sunFirst) {
        DrawSuns();
        Report(kStepSunsFirst);
    }
    if (CheckpointSaysStop(control)) return;

    if (SceneChoices.layerChoice != kGalaxyNoPlanets) {
        DrawPlanet();
        DrawMoons();
        Report(kStepPlanetAndMoons);
    }
    if (CheckpointSaysStop(control)) return;

    DrawClouds();
    Report(kStepClouds);
    if (CheckpointSaysStop(control)) return;

    if (!SceneChoices.sunFirst) {
        DrawSuns();
        Report(kStepSunsLast);
    }
    DrawComet();
    Report(kStepSecondComet);
    if (CheckpointSaysStop(control)) return;

    DrawGround();
    Report(kStepGround);
}

}  // namespace vorrith
