// The wallpaper's file: the picture drawn and written by the renderer's own sizing and
// PNG code, so it is byte for byte what `vorrith-render N --size WxH --fill -o FILE.png`
// (or --fit) writes, and stored by the safe file replacement.
#pragma once

#include <string>

#include "cli/options/render_options.h"

namespace vorrith {

// "" or the one-line message.
std::string WriteWallpaperPicture(int imageNumber, PictureSize size, FitMode mode, const std::string& path);

}  // namespace vorrith
