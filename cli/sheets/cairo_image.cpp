#include "cli/sheets/cairo_image.h"

namespace vorrith {

CairoSurface MakeCairoImage(int width, int height) {
    return CairoSurface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
}

void CopyCairoRows(cairo_surface_t* image, int rows, uint8_t* out, size_t outStride) {
    cairo_surface_flush(image);
    const uint8_t* data = cairo_image_surface_get_data(image);
    const size_t stride = static_cast<size_t>(cairo_image_surface_get_stride(image));
    const int width = cairo_image_surface_get_width(image);
    for (int y = 0; y < rows; ++y) {
        const auto* in = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        uint8_t* row = out + static_cast<size_t>(y) * outStride;
        for (int x = 0; x < width; ++x, row += 3) {
            row[0] = static_cast<uint8_t>(in[x]);
            row[1] = static_cast<uint8_t>(in[x] >> 8);
            row[2] = static_cast<uint8_t>(in[x] >> 16);
        }
    }
}

OutputResult CairoResult(cairo_status_t status, const std::string& step) {
    if (status == CAIRO_STATUS_SUCCESS) return OutputResult::Done();
    if (status == CAIRO_STATUS_NO_MEMORY) return OutputResult::OutOfMemory();
    return OutputResult::Failed("cairo cannot " + step + ": " + cairo_status_to_string(status));
}

}  // namespace vorrith
