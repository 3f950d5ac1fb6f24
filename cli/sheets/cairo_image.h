// Cairo image surfaces for the sheets' labels: owning handles, copying cairo's 32-bit
// RGB24 pixels into blue-green-red rows, and cairo's status as an OutputResult.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "cli/output/output_result.h"

namespace vorrith {

struct CairoSurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct CairoContextRelease {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceRelease>;
using CairoContext = std::unique_ptr<cairo_t, CairoContextRelease>;

// An RGB24 image surface of width x height. Never null: one that could not be made
// says why through cairo_surface_status.
CairoSurface MakeCairoImage(int width, int height);
// Copies rows of an RGB24 surface, from its top, into blue-green-red rows.
void CopyCairoRows(cairo_surface_t* image, int rows, uint8_t* out, size_t outStride);

// Done, out of memory, or "cairo cannot STEP: " and cairo's words for the status.
OutputResult CairoResult(cairo_status_t status, const std::string& step);

}  // namespace vorrith
