// The pictures of a batch and how they are dealt out: picture i of the batch goes to
// worker i mod workers, so every worker knows its own share without being told.
#pragma once

#include <cstddef>
#include <functional>

#include "cli/options/render_options.h"

namespace vorrith {

// The scene driver's request for a number from the clock (--random).
constexpr int kRandomImage = -1;

// The batch's pictures in the order they are dealt out: the numbers ascending, a sheet's
// in its own order, or the one random picture. Stops when visit returns false.
void ForEachPicture(const RenderOptions& options, const std::function<bool(int)>& visit);
size_t PictureCount(const RenderOptions& options);

bool IsAssigned(size_t pictureIndex, int worker, int workers);

}  // namespace vorrith
