// What goes into a contact sheet's cells: each picture's thumbnail, and its image number
// in a legible sans-serif face (DejaVu Sans through fontconfig) on the strip below it.
#pragma once

#include <vector>

#include "cli/options/render_options.h"
#include "cli/output/output_result.h"
#include "cli/sheets/sheet_layout.h"
#include "cli/sheets/sheet_pixels.h"
#include "core/surface.h"

namespace vorrith {

constexpr uint32_t kLabelColour = 0xE8E8E8;

// The picture resampled into cell index.
OutputResult PlaceThumbnail(const Surface& picture, const SheetLayout& layout, size_t index, ScaleFilter filter,
                            SheetPixels& sheet);

// Labels cell i with imageNumbers[i].
OutputResult DrawLabels(const SheetLayout& layout, const std::vector<int>& imageNumbers, SheetPixels& sheet);

}  // namespace vorrith
