// vorrith-render: writes Vorrith pictures as BMP files on the command line.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/render_job.h"
#include "cli/render_options.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const vorrith::ParsedRenderOptions parsed = vorrith::ParseRenderOptions(arguments);
    if (!parsed.error.empty()) {
        std::cerr << "vorrith-render: error: " << parsed.error << " (try --help)\n";
        return 2;
    }
    if (parsed.options.showHelp) {
        std::cout << vorrith::kRenderUsage;
        return 0;
    }
    const bool terminal = isatty(STDERR_FILENO) != 0;
    return vorrith::RunRenderJob(parsed.options, {std::cout, std::cerr, terminal});
}
