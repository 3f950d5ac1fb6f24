// Cairo image surfaces beside the renderer's own 24-bit pictures: owning handles, and
// conversion between blue-green-red rows and cairo's 32-bit RGB24 pixels.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "cli/output/png_encoder.h"

namespace vorrith {

struct CairoSurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct CairoContextRelease {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceRelease>;
using CairoContext = std::unique_ptr<cairo_t, CairoContextRelease>;

// An RGB24 image surface of width x height; null when it cannot be made.
CairoSurface MakeCairoImage(int width, int height);
// The picture as an RGB24 image surface; null when memory runs out.
CairoSurface CairoImageOf(const PixelRows& picture);
// Copies rows of an RGB24 surface, from its top, into blue-green-red rows.
void CopyCairoRows(cairo_surface_t* image, int rows, uint8_t* out, size_t outStride);

}  // namespace vorrith
