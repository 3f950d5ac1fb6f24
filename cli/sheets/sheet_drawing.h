// What goes into a contact sheet's cells: each picture's thumbnail, and its image number
// in a legible sans-serif face (DejaVu Sans through fontconfig) on the strip below it.
#pragma once

#include "cli/options/render_options.h"
#include "cli/output/output_result.h"
#include "cli/sheets/cairo_image.h"
#include "cli/sheets/sheet_layout.h"
#include "cli/sheets/sheet_pixels.h"
#include "core/surface.h"

namespace vorrith {

constexpr uint32_t kLabelColour = 0xE8E8E8;

// The picture resampled into cell index.
OutputResult PlaceThumbnail(const Surface& picture, const SheetLayout& layout, size_t index, ScaleFilter filter,
                            SheetPixels& sheet);

// Draws the cells' labels, with one strip and one font face for the whole sheet. Cairo
// and fontconfig keep the face they loaded in caches for the life of the process; they
// are emptied when the labels go, so that a leak checker reports only real leaks.
class SheetLabels {
public:
    explicit SheetLabels(const SheetLayout& layout);
    ~SheetLabels();
    SheetLabels(const SheetLabels&) = delete;
    SheetLabels& operator=(const SheetLabels&) = delete;

    // Labels cell index with imageNumber.
    OutputResult Draw(size_t index, int imageNumber, SheetPixels& sheet);

private:
    const SheetLayout& layout_;
    CairoSurface strip_;
    CairoContext context_;
};

}  // namespace vorrith
