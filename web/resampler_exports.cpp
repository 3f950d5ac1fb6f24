// Wallpapers for the page: the picture on the canvas at another size, made by the same
// resampler as the native renderer's --size, so the page's bytes equal its own.
#include <emscripten/emscripten.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

#include "core/canvas.h"
#include "present/picture_placement.h"
#include "web/rgba_picture.h"

namespace {

std::unique_ptr<uint8_t[]> wallpaper;

}  // namespace

extern "C" {

// The canvas's picture at width x height (each 1 ... 16384), covering it (fill) or whole
// between black bars, smooth or with nearest pixels, as width x height x 4 RGBA bytes,
// opaque, rows top to bottom. Null when the size is refused or memory ran out. The
// pointer stays valid until the next call.
EMSCRIPTEN_KEEPALIVE const uint8_t* VorrithResampleCanvas(int width, int height, bool fill, bool nearest) {
    using namespace vorrith;
    wallpaper.reset();
    if (!IsOutputSize({width, height})) return nullptr;
    wallpaper.reset(new (std::nothrow) uint8_t[static_cast<size_t>(width) * static_cast<size_t>(height) * 4]);
    if (!wallpaper || !ResampleToRgba(RowsOf(Canvas), {width, height}, fill ? FitMode::kFill : FitMode::kFit,
                                      nearest ? ScaleFilter::kNearest : ScaleFilter::kSmooth, wallpaper.get())) {
        wallpaper.reset();
        return nullptr;
    }
    return wallpaper.get();
}

}  // extern "C"
