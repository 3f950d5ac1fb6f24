// Prints "IMAGE HASH" for the sample pictures (64-bit FNV-1a of the canvas bytes), so
// that builds for different targets can be compared line by line.
#include <cinttypes>
#include <cstdio>

#include "core/canvas.h"
#include "tests/support/picture_fixture.h"
#include "tests/support/sample_images.h"

int main() {
    using namespace vorrith;
    if (CreateCanvas(kPictureWidth, kPictureHeight) != kAllocated) {
        std::fprintf(stderr, "picture_hashes: no memory for the canvas\n");
        return 1;
    }
    for (int n : kSampleImages) {
        RenderPicture(n);
        std::printf("%d %016" PRIx64 "\n", n, CanvasHash());
    }
    ReleaseCanvas();
    return 0;
}
