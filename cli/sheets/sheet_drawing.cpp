#include "cli/sheets/sheet_drawing.h"

#include <fontconfig/fontconfig.h>

#include <string>

#include "present/picture_resampler.h"

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

}  // namespace

OutputResult PlaceThumbnail(const Surface& picture, const SheetLayout& layout, size_t index, ScaleFilter filter,
                            SheetPixels& sheet) {
    PictureResampler thumbnail(RowsOf(picture), {layout.thumbWidth, layout.thumbHeight}, FitMode::kFit, filter);
    if (!thumbnail.ok()) return OutputResult::OutOfMemory();
    thumbnail.MakeRows(0, layout.thumbHeight, sheet.At(layout.CellLeft(index), layout.CellTop(index)), sheet.stride());
    return OutputResult::Done();
}

SheetLabels::SheetLabels(const SheetLayout& layout)
    : layout_(layout),
      strip_(MakeCairoImage(layout.thumbWidth, layout.labelHeight)),
      context_(cairo_create(strip_.get())) {  // in an error state too if the strip is
    cairo_select_font_face(context_.get(), "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(context_.get(), layout.labelFontSize);
}

SheetLabels::~SheetLabels() {
    context_.reset();
    strip_.reset();
    cairo_debug_reset_static_data();
    FcFini();
}

OutputResult SheetLabels::Draw(size_t index, int imageNumber, SheetPixels& sheet) {
    cairo_t* cr = context_.get();
    DrawCentredText(cr, std::to_string(imageNumber), layout_.thumbWidth, layout_.labelHeight);
    const OutputResult drawn = CairoResult(cairo_status(cr), kLabelling);
    if (drawn.ok()) {
        CopyCairoRows(strip_.get(), layout_.labelHeight,
                      sheet.At(layout_.CellLeft(index), layout_.CellTop(index) + layout_.thumbHeight), sheet.stride());
    }
    return drawn;
}

}  // namespace vorrith
