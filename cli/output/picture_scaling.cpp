#include "cli/output/picture_scaling.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

#include "cli/output/cairo_image.h"

namespace vorrith {
namespace {

// The output is drawn in bands of rows, so a large wallpaper needs little memory beyond
// its own pixels. Pixel values do not depend on the band: each is sampled on its own.
constexpr int kBandRows = 256;
constexpr char kResampling[] = "resample the picture";

// Paints the picture into band, whose top row is output row bandTop.
cairo_status_t PaintBand(cairo_surface_t* band, cairo_surface_t* source, const Surface& picture, PixelRect place,
                         int bandTop, ScaleFilter filter) {
    CairoContext context(cairo_create(band));
    cairo_t* cr = context.get();
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    cairo_translate(cr, place.left, place.top - bandTop);
    cairo_scale(cr, static_cast<double>(place.width) / picture.width,
                static_cast<double>(place.height) / picture.height);
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_pattern_t* pattern = cairo_get_source(cr);
    cairo_pattern_set_filter(pattern, filter == ScaleFilter::kNearest ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);  // edges keep their own colour, not the bars'
    cairo_rectangle(cr, 0, 0, picture.width, picture.height);
    cairo_fill(cr);
    return cairo_status(cr);
}

}  // namespace

BandMaker ResamplingBands(const Surface& picture, PictureSize size, FitMode mode, ScaleFilter filter) {
    if (size.width == picture.width && size.height == picture.height) {
        return [&picture](int top, int rows, uint8_t* out, size_t stride) {
            for (int y = 0; y < rows; ++y) {
                std::memcpy(out + static_cast<size_t>(y) * stride, picture.PixelAddress(0, top + y),
                            static_cast<size_t>(picture.width) * 3);
            }
            return OutputResult::Done();
        };
    }
    const PixelRect place = PlacePicture(picture.width, picture.height, size, mode);
    const std::shared_ptr<cairo_surface_t> source(CairoImageOf(RowsOf(picture)).release(), cairo_surface_destroy);
    return [&picture, size, filter, place, source](int top, int rows, uint8_t* out, size_t stride) {
        const OutputResult made = CairoResult(cairo_surface_status(source.get()), kResampling);
        if (!made.ok()) return made;
        const CairoSurface band = MakeCairoImage(size.width, rows);
        const OutputResult result = CairoResult(cairo_surface_status(band.get()), kResampling);
        if (!result.ok()) return result;
        const OutputResult painted =
            CairoResult(PaintBand(band.get(), source.get(), picture, place, top, filter), kResampling);
        if (painted.ok()) CopyCairoRows(band.get(), rows, out, stride);
        return painted;
    };
}

OutputResult ResamplePicture(const Surface& picture, PictureSize size, FitMode mode, ScaleFilter filter, Surface& out) {
    if (out.Allocate(size.width, size.height) != kAllocated) return OutputResult::OutOfMemory();
    const BandMaker bands = ResamplingBands(picture, size, mode, filter);
    for (int top = 0; top < size.height; top += kBandRows) {
        const OutputResult made = bands(top, std::min(kBandRows, size.height - top), out.PixelAddress(0, top),
                                        static_cast<size_t>(out.stride));
        if (!made.ok()) return made;
    }
    return OutputResult::Done();
}

}  // namespace vorrith
