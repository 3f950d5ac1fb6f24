// The cloud texture: 512 x 256 coverage bytes (0 = clear sky) built from four octaves
// of tiling noise and shaped by a random tone curve into separate clouds.
//
// MakeCloudTexture()   a new texture, or null when memory runs out (after freeing what
//                      it took). Draws 4 x 512 + 2 rand() values, none from the table.
// AddTiled(...)        adds the w x h source tile over the W x H destination, repeated
//                      across and down; byte sums wrap modulo 256.
// BuildToneCurve(...)  0 below the threshold, then (1 - base^((i - t) / half)) x 255
//                      rounded, base = k x 0.01 + 0.1 and half = (255 - t) / 2, with
//                      single-precision constants and double arithmetic: 252 at 255 for
//                      k = 0 (dense, bright clouds), 96 for k = 69 (thin ones).
#pragma once

#include <cstdint>
#include <memory>

namespace vorrith {

constexpr int kCloudTextureWidth = 512;
constexpr int kCloudTextureHeight = 256;

std::unique_ptr<uint8_t[]> MakeCloudTexture();
void AddTiled(uint8_t* destination, int width, int height, const uint8_t* source, int tileWidth, int tileHeight);
void BuildToneCurve(int threshold, int k, uint8_t curve[256]);

}  // namespace vorrith
