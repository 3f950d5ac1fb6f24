// A picture in one plain sentence, from its scene plan, for the page's caption and its
// canvas's text alternative: "Picture 12345: a sea under a pink sky with two suns and a
// crescent moon". The ground is named in the words of --describe's scene type.
//
// The plan knows the ground, the sky, the suns, the galaxy and whether a planet or a
// single large moon is drawn; it does not know the clouds, comets or how many small
// moons a planet gets (the layers draw those), so the sentence leaves them out.
#pragma once

#include <string>

namespace vorrith {

// The scene planned last (PlanScene), in words: "a sea under a pink sky with two suns
// and a crescent moon".
std::string PlannedSceneInWords();

// Needs the canvas set up (CreateFrameBuffers); plans the scene of imageNumber and
// says what it shows, beginning "Picture N: ".
std::string PictureSentence(int imageNumber);

}  // namespace vorrith
