#include "cli/sheets/sheet_drawing.h"

#include <fontconfig/fontconfig.h>

#include <cstring>
#include <string>

#include "cli/output/cairo_image.h"
#include "cli/output/picture_scaling.h"

namespace vorrith {
namespace {

constexpr char kLabelling[] = "draw the sheet's labels";

void SetColour(cairo_t* cr, uint32_t colour) {
    cairo_set_source_rgb(cr, (colour >> 16 & 0xFF) / 255.0, (colour >> 8 & 0xFF) / 255.0, (colour & 0xFF) / 255.0);
}

// Draws text centred on the strip, over the background.
void DrawCentredText(cairo_t* cr, const std::string& text, int width, int height) {
    SetColour(cr, kSheetBackground);
    cairo_paint(cr);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    // Whole pixels, so that every label's digits are rendered alike.
    const double x = static_cast<int>((width - extents.width) / 2 - extents.x_bearing);
    const double y = static_cast<int>((height - extents.height) / 2 - extents.y_bearing);
    cairo_move_to(cr, x, y);
    SetColour(cr, kLabelColour);
    cairo_show_text(cr, text.c_str());
}

// Cairo and fontconfig keep the face they loaded in caches for the life of the process;
// emptied once the labels are drawn, so that a leak checker reports only real leaks.
class FontCachesEmptiedAfterwards {
public:
    FontCachesEmptiedAfterwards() = default;
    ~FontCachesEmptiedAfterwards() {
        cairo_debug_reset_static_data();
        FcFini();
    }
    FontCachesEmptiedAfterwards(const FontCachesEmptiedAfterwards&) = delete;
    FontCachesEmptiedAfterwards& operator=(const FontCachesEmptiedAfterwards&) = delete;
};

}  // namespace

OutputResult PlaceThumbnail(const Surface& picture, const SheetLayout& layout, size_t index, ScaleFilter filter,
                            SheetPixels& sheet) {
    Surface thumbnail;
    const PictureSize size{layout.thumbWidth, layout.thumbHeight};
    const OutputResult resampled = ResamplePicture(picture, size, FitMode::kFit, filter, thumbnail);
    if (!resampled.ok()) return resampled;
    const int left = layout.CellLeft(index);
    const int top = layout.CellTop(index);
    for (int y = 0; y < size.height; ++y) {
        std::memcpy(sheet.At(left, top + y), thumbnail.PixelAddress(0, y), static_cast<size_t>(size.width) * 3);
    }
    return OutputResult::Done();
}

OutputResult DrawLabels(const SheetLayout& layout, const std::vector<int>& imageNumbers, SheetPixels& sheet) {
    const FontCachesEmptiedAfterwards emptied;  // after the surface and context below are gone
    const CairoSurface strip = MakeCairoImage(layout.thumbWidth, layout.labelHeight);
    const CairoContext context(cairo_create(strip.get()));  // in an error state too if strip is
    cairo_t* cr = context.get();
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, layout.labelFontSize);
    for (size_t i = 0; i < imageNumbers.size(); ++i) {
        DrawCentredText(cr, std::to_string(imageNumbers[i]), layout.thumbWidth, layout.labelHeight);
        const OutputResult drawn = CairoResult(cairo_status(cr), kLabelling);
        if (!drawn.ok()) return drawn;
        CopyCairoRows(strip.get(), layout.labelHeight, sheet.At(layout.CellLeft(i), layout.CellTop(i) + layout.thumbHeight),
                      sheet.stride());
    }
    return CairoResult(cairo_status(cr), kLabelling);
}

}  // namespace vorrith
