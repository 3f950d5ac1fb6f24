// Fuzzes the renderer's command-line parser: the input is split at NUL bytes into
// arguments. A parse must never crash, and an accepted command line must be usable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/render_options.h"

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
        if (n < 0 || n > 32767) std::abort();
        ++count;
        return true;
    });
    if (count != parsed.options.imageNumbers.Count()) std::abort();
    if (parsed.options.randomImage && count > 0) std::abort();
    if (parsed.options.outputPath && count + parsed.options.randomImage > 1) std::abort();
    return 0;
}
