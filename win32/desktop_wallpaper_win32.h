// Set as Desktop Background: the picture shown in the configuration dialog, made at the
// primary monitor's size, becomes the current user's desktop background.
#pragma once

#include <string>

namespace vorrith {

// Writes the picture as Vorrith\Wallpaper.bmp in the user's local application data
// folder (replacing the one before safely), stores the centred, untiled style and tells
// the system to show it. Returns "" when every step succeeded, else the message that
// names the step that failed and why (saver/dialog_texts.h).
std::string SetShownPictureAsWallpaper();

}  // namespace vorrith
