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

// Which of the galaxy and the planet with its moons a scene shows; the values are the
// draw that picks it (rand() % 3).
enum LayerChoice { kPlanetsNoGalaxy = 0, kGalaxyAndPlanets = 1, kGalaxyNoPlanets = 2 };

struct LayerChoices {
    LayerChoice layerChoice;
    bool sunFirst;  // the suns are drawn before the planets rather than after the clouds
};

// The choices of the most recent GenerateScene call.
extern LayerChoices SceneChoices;

// Seeds the generator with the image number, builds the plan, palette and table, and
// draws the two layer choices: everything of a scene before its first layer.
void PlanScene(int imageNumber);

// Draws the picture of imageNumber (-1: one chosen from the clock, written back) on the
// canvas. control, when given, is read between steps: it can stop the drawing or reseed.
void GenerateScene(int& imageNumber, const ControlWord* control);

// The steps GenerateScene reports, numbered by their place in its whole sequence:
//  1 clear the canvas, 2 checkpoint, 3 an image number from the clock (for -1), 4 seed,
//  5 plan, 6 layer choices, 7 sky, 8 galaxy, 9 checkpoint, 10 comet, 11 suns first,
//  12 checkpoint, 13 planet and moons, 14 checkpoint, 15 clouds, 16 checkpoint,
//  17 suns last, 18 comet again, 19 checkpoint, 20 ground.
// The numbers are fixed: the reference checkpoints name steps by them. The observer
// hears each of these that ran, after it ran.
enum SceneStep {
    kStepPlan = 6,             // nothing drawn yet: plan, palette, table, layer choices
    kStepSky = 7,              // the sky gradient (or black) and the stars
    kStepGalaxy = 8,           // the galaxy, unless the layer choice leaves it out
    kStepFirstComet = 10,      // a comet, on half of the gradient skies
    kStepSunsFirst = 11,       // the suns, when they come before the planet
    kStepPlanetAndMoons = 13,  // planet and moons, unless the layer choice leaves them out
    kStepClouds = 15,          // the cloud sheet, in half of the scenes
    kStepSunsLast = 17,        // the suns, when they come after the clouds
    kStepSecondComet = 18,     // a second chance of a comet
    kStepGround = 20,          // everything from the horizon down
};

const char* SceneStepName(int step);

// Test seam: called after every drawing step that ran (and after the plan). Pass an
// empty function to remove it.
using SceneStepObserver = std::function<void(int step)>;
void SetSceneStepObserver(SceneStepObserver observer);

}  // namespace vorrith
