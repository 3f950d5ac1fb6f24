// Prints "IMAGE HASH" for the sample pictures (64-bit FNV-1a of the canvas bytes), then
// "IMAGE WIDTHxHEIGHT FIT HASH" for one picture resampled to three wallpaper sizes, so
// that builds for different targets can be compared line by line.
#include <cinttypes>
#include <cstdio>

#include "core/canvas.h"
#include "present/picture_resampler.h"
#include "tests/support/picture_fixture.h"
#include "tests/support/sample_images.h"

namespace {

using namespace vorrith;

// Shrinking, enlarging with a crop, and enlarging between bars.
constexpr struct {
    PictureSize size;
    FitMode mode;
} kWallpapers[] = {
    {{160, 120}, FitMode::kFill},
    {{1920, 1080}, FitMode::kFill},
    {{3840, 2160}, FitMode::kFit},
};
constexpr int kResampledImage = 12345;

bool PrintResampledHashes() {
    RenderPicture(kResampledImage);
    for (const auto& wallpaper : kWallpapers) {
        Surface resampled;
        if (ResamplePicture(RowsOf(Canvas), wallpaper.size, wallpaper.mode, ScaleFilter::kSmooth, resampled) !=
            kAllocated) {
            return false;
        }
        std::printf("%d %dx%d %s %016" PRIx64 "\n", kResampledImage, wallpaper.size.width, wallpaper.size.height,
                    wallpaper.mode == FitMode::kFill ? "fill" : "fit", SurfaceHash(resampled));
    }
    return true;
}

}  // namespace

int main() {
    if (CreateCanvas(kPictureWidth, kPictureHeight) != kAllocated) {
        std::fprintf(stderr, "picture_hashes: no memory for the canvas\n");
        return 1;
    }
    for (int n : kSampleImages) {
        RenderPicture(n);
        std::printf("%d %016" PRIx64 "\n", n, CanvasHash());
    }
    const bool resampled = PrintResampledHashes();
    ReleaseCanvas();
    if (!resampled) std::fprintf(stderr, "picture_hashes: no memory for a resampled picture\n");
    return resampled ? 0 : 1;
}
