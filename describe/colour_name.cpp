#include "describe/colour_name.h"

#include <algorithm>

#include "core/colour.h"

namespace vorrith {
namespace {

// Below this difference between the strongest and the weakest component a colour reads
// as grey whatever its hue.
constexpr int kGreyChroma = 20;
// A colour whose chroma is below this share (in percent) of its strongest component is
// dull: a yellow reads as olive, a red or orange as brown.
constexpr int kDullPercent = 45;
// A red or orange whose strongest component is below this reads as brown.
constexpr int kDarkComponent = 150;

// The hue in whole degrees, 0 ... 359 (red 0, green 120, blue 240).
int HueDegrees(int red, int green, int blue, int chroma) {
    const int top = std::max({red, green, blue});
    int sixths;  // the hue in sixths of a turn, times chroma
    if (top == red) {
        sixths = green - blue;
    } else if (top == green) {
        sixths = 2 * chroma + blue - red;
    } else {
        sixths = 4 * chroma + red - green;
    }
    return ((sixths * 60) / chroma + 360) % 360;
}

struct HueName {
    int below;  // the name holds for hues from the previous entry's limit up to this one
    const char* name;
};

constexpr HueName kHueNames[] = {
    {15, "red"},   {45, "orange"},  {70, "yellow"}, {160, "green"}, {200, "teal"},
    {250, "blue"}, {300, "purple"}, {345, "pink"},  {360, "red"},
};

}  // namespace

const char* ColourName(uint32_t colour) {
    const int red = RedOf(colour), green = GreenOf(colour), blue = BlueOf(colour);
    const int top = std::max({red, green, blue});
    const int chroma = top - std::min({red, green, blue});
    if (chroma < kGreyChroma) return "grey";
    const int hue = HueDegrees(red, green, blue, chroma);
    const bool dull = chroma * 100 < top * kDullPercent;
    const bool reddish = hue < 45 || hue >= 345;
    if (reddish && (dull || top < kDarkComponent)) return "brown";
    if (hue >= 45 && hue < 90 && dull) return "olive";
    for (const HueName& entry : kHueNames) {
        if (hue < entry.below) return entry.name;
    }
    return "red";
}

}  // namespace vorrith
