// The picture in a sentence for a picture of each ground, sky and kind of moon, and the
// colour names at the edges of their hues.
#include <gtest/gtest.h>

#include "core/colour.h"
#include "describe/colour_name.h"
#include "describe/picture_sentence.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

class PictureSentenceTest : public CanvasTest {};

TEST_F(PictureSentenceTest, NamesGroundSkyAndBodies) {
    const struct {
        int number;
        const char* sentence;
    } cases[] = {
        {12345, "Picture 12345: a sea under a pink sky with two suns and a crescent moon"},
        {4242, "Picture 4242: a crater plain with rocks under a starry black sky with a sun and a galaxy"},
        {1, "Picture 1: a sea under a starry black sky with a full moon"},
        {30, "Picture 30: a crater plain with rocks under a starry black sky with a sun and a half moon"},
        {11, "Picture 11: a sea under a starry black sky with a sun, a galaxy and a gibbous moon"},
        {72, "Picture 72: hill country under an orange sky with two suns, a galaxy and a crescent moon"},
        {3, "Picture 3: a sea under a grey sky with two suns, a galaxy and a planet with moons"},
    };
    for (const auto& c : cases) EXPECT_EQ(PictureSentence(c.number), c.sentence);
}

TEST(ColourNameTest, NamesHuesAndDullColours) {
    const struct {
        uint32_t colour;
        const char* name;
    } cases[] = {
        {MakeColour(0x94, 0x5c, 0x7a), "pink"},    // a hue just below red's wrap
        {MakeColour(0xf0, 0x20, 0x30), "red"},     // past the wrap
        {MakeColour(0x83, 0x88, 0x8e), "grey"},    // little chroma
        {MakeColour(0x9a, 0x98, 0x6b), "olive"},   // a dull yellow
        {MakeColour(0xa7, 0x8e, 0x41), "yellow"},  // a bright one
        {MakeColour(0x8e, 0x5b, 0x4c), "brown"},   // a dark red
        {MakeColour(0x5a, 0x84, 0x87), "teal"},    // green nearly as strong as blue
        {MakeColour(0x88, 0x81, 0x9e), "purple"},  // blue the strongest, red near it
        {MakeColour(0x6b, 0x8d, 0xab), "blue"},    // blue the strongest, then green
    };
    for (const auto& c : cases) EXPECT_STREQ(ColourName(c.colour), c.name) << std::hex << c.colour;
}

}  // namespace
}  // namespace vorrith
