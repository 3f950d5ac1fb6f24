// The scene plan: what a picture will contain, decided from the generator right after
// seeding and before anything is drawn (scene/scene_planner.h decides it). Layers only
// read the plan, except that the sun layer moves eclipticX for the layers drawn after it.
#pragma once

namespace vorrith {

// A band of the plan: a range of palette entries (empty when lastIndex < firstIndex)
// and the range of canvas rows drawn in those colours.
struct PaletteBand {
    int firstIndex;
    int lastIndex;
    int topRow;
    int bottomRow;
};

// The plan's bands by what they colour. The first four span the sky rows, the rest the
// ground rows; the last two have no entries.
enum BandName {
    kSunBand = 0,
    kSkyBand = 1,
    kPlanetBand = 2,
    kMoonBand = 3,
    kGroundBand = 4,
    kEmptyGroundBand = 5,
    kEmptyLowerBand = 6,
    kPaletteBandCount = 7,
};

enum SceneType { kHillCountry = 0, kReliefPlain = 1, kCraterPlain = 2, kSea = 3 };

struct ScenePlan {
    int sceneType;     // SceneType
    int horizonRow;    // the sky occupies rows ClipTop ... horizonRow
    bool noPlanet;     // no large planet: the planet band stays black
    bool gradientSky;  // a dithered palette sky; else a black sky with stars
    int grain;         // 1 ... 4, dither depth in palette entries
    bool sunVisible;   // suns are drawn (in three scenes out of four)
    int sunSize;
    int sunCount;       // 1 or 2
    int eclipticAngle;  // angle units; tilt of the line of sun, planets and moons
    int eclipticX;
    int eclipticY;
    int sunX;
    int sunY;
    int planetRadiusLimit;
    PaletteBand bands[kPaletteBandCount];
};

extern ScenePlan Plan;

// Fixed palette entries of the bands' colour ramps.
constexpr int kSunPaletteFirst = 16;
constexpr int kSunPaletteLast = 31;
constexpr int kSkyPaletteFirst = 32;
constexpr int kSkyPaletteLast = 63;
constexpr int kPlanetPaletteFirst = 64;
constexpr int kPlanetPaletteLast = 95;
constexpr int kMoonPaletteFirst = 96;
constexpr int kMoonPaletteLast = 127;
constexpr int kGroundPaletteFirst = 128;
constexpr int kGroundPaletteLast = 159;

}  // namespace vorrith
