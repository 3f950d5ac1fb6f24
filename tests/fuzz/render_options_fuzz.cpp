// Fuzzes the renderer's command-line parser: the input is split at NUL bytes into
// arguments. A parse must never crash, and an accepted command line must be usable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/options/render_options.h"
#include "cli/sheets/sheet_layout.h"
#include "core/random.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.emplace_back();
        } else {
            arguments.back() += static_cast<char>(data[i]);
        }
    }
    const vorrith::ParsedRenderOptions parsed = vorrith::ParseRenderOptions(arguments);
    if (!parsed.error.empty() || parsed.options.showHelp) return 0;
    size_t count = 0;
    parsed.options.imageNumbers.ForEach([&](int n) {
        if (n < 0 || n > vorrith::kMaxImageNumber) std::abort();
        ++count;
        return true;
    });
    if (count != parsed.options.imageNumbers.Count()) std::abort();
    if (parsed.options.randomImage && count > 0) std::abort();
    const vorrith::RenderOptions& options = parsed.options;
    if (options.sheet) {
        // One PNG file of at most kLargestSheetSide pixels on a side.
        if (!options.outputPath || options.format != vorrith::PictureFormat::kPng || options.size) std::abort();
        const auto layout = vorrith::LayoutSheet(count, options.thumbWidth, options.sheetColumns);
        if (layout.width > vorrith::kLargestSheetSide || layout.height > vorrith::kLargestSheetSide) std::abort();
    } else if (options.outputPath && count + options.randomImage > 1) {
        std::abort();
    }
    if (options.size &&
        (options.size->width < 1 || options.size->height < 1 || options.size->width > vorrith::kLargestOutputSide ||
         options.size->height > vorrith::kLargestOutputSide)) {
        std::abort();
    }
    return 0;
}
