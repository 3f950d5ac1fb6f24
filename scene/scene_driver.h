// GenerateScene: turns an image number into a complete picture on the canvas.
//
// Clears the canvas, seeds the generator with the image number (-1 asks for one derived
// from the clock, written back), builds the plan and palette, draws the two layer
// choices and calls the layers in their fixed order. Between layers it passes
// checkpoints that read the control word afresh: bit 1 reseeds from the clock (the
// saver's variety), bit 0 ends the call at once. With no control word the picture is a
// pure function of the image number.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

namespace vorrith {

using ControlWord = std::atomic<uint32_t>;
constexpr uint32_t kStopRequest = 1;
constexpr uint32_t kReseedRequest = 2;

// layerChoice 0: planets and moons, no galaxy; 1: both; 2: galaxy, no planets or moons.
// sunFirst: the suns are drawn before the planets rather than after the clouds.
struct LayerChoices {
    int layerChoice;
    int sunFirst;
};

// The choices of the most recent GenerateScene call.
extern LayerChoices SceneChoices;

// Seeds the generator with the image number, builds the plan, palette and table, and
// draws the two layer choices: everything of a scene before its first layer.
void PlanScene(int imageNumber);

// Draws the picture of imageNumber (-1: one chosen from the clock, written back) on the
// canvas. control, when given, is read between steps: it can stop the drawing or reseed.
void GenerateScene(int& imageNumber, const ControlWord* control);

// Drawing steps as numbered in the driver's order; the observer hears each one that ran.
enum SceneStep {
    kStepPlan = 6,
    kStepSky = 7,
    kStepGalaxy = 8,
    kStepFirstComet = 10,
    kStepSunsFirst = 11,
    kStepPlanetAndMoons = 13,
    kStepClouds = 15,
    kStepSunsLast = 17,
    kStepSecondComet = 18,
    kStepGround = 20,
};

const char* SceneStepName(int step);

// Test seam: called after every drawing step that ran (and after the plan). Pass an
// empty function to remove it.
using SceneStepObserver = std::function<void(int step)>;
void SetSceneStepObserver(SceneStepObserver observer);

}  // namespace vorrith
