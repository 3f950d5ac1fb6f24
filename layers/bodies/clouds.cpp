#include "layers/bodies/clouds.h"

#include <memory>

#include "core/canvas.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/bodies/cloud_texture.h"

namespace vorrith {
namespace {

constexpr int kCloudEntryDark = 42;
constexpr int kCloudEntryLight = 63;
constexpr uint32_t kWhite = 0xFFFFFF;
// Texture stretch lengths: 200 at one end of the sky, 512 at the other; flipped,
// 537 - length runs 337 ... 25.
constexpr int kShortestStretch = 200;
constexpr int kStretchGrowth = 312;
constexpr int kFlipSum = 537;

struct Perspective {
    bool reverse;  // large clouds at the horizon rather than overhead
    bool flip;     // much stronger magnification
};

uint32_t ChooseCloudColour() {
    const int entryDraw = NextRandomValue();
    uint32_t colour = PaletteColour((entryDraw & 1) ? kCloudEntryDark : kCloudEntryLight);
    const int whiteDraw = rand();
    if (whiteDraw % 3 == 0) colour = kWhite;
    return colour;
}

Perspective ChoosePerspective() {
    const int reverseDraw = rand();
    const int flipDraw = rand();
    rand();  // drawn and unused; later draws depend on it
    return {(reverseDraw & 1) != 0, (flipDraw & 1) != 0};
}

void DrawCloudRows(const uint8_t* texture, uint32_t colour, Perspective view) {
    const int last = Plan.horizonRow - 2;
    if (last < 1) return;
    for (int i = 0; i <= last; ++i) {
        const int j = view.reverse ? last - i : i;
        int stretch = (j * kStretchGrowth) / last + kShortestStretch;
        if (view.flip) stretch = kFlipSum - stretch;
        const int textureRow = (255 * i) / last;
        const int start = (kCloudTextureWidth - stretch) / 2;
        Canvas.BlendMaskRow(0, i, SceneWidth, texture + textureRow * kCloudTextureWidth + start, stretch, colour);
    }
}

}  // namespace

void DrawClouds() {
    const int cloudsDraw = NextRandomValue();
    if (cloudsDraw & 1) return;
    const std::unique_ptr<uint8_t[]> texture = MakeCloudTexture();
    if (!texture) return;
    const uint32_t colour = ChooseCloudColour();
    const Perspective view = ChoosePerspective();
    DrawCloudRows(texture.get(), colour, view);
}

}  // namespace vorrith
