#include "wallpaper/wallpaper_picture.h"

#include "cli/output/picture_output.h"
#include "core/canvas.h"
#include "present/frame_buffers.h"
#include "scene/scene_driver.h"

namespace vorrith {

std::string WriteWallpaperPicture(int imageNumber, PictureSize size, FitMode mode, const std::string& path) {
    CanvasInUse canvasInUse;
    if (!canvasInUse.ready()) return "not enough memory for the picture";
    GenerateScene(imageNumber, nullptr);
    RenderOptions options;
    options.format = PictureFormat::kPng;
    options.size = size;
    options.fitMode = mode;
    return StorePicture(path, RequestedPictureContents(options, Canvas), {});
}

}  // namespace vorrith
