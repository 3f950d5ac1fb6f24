// vorrith-saver: Vorrith as an X11 screensaver, run by the screensaver daemon in its
// window, or tried out in a window of its own.
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "present/render_runner.h"
#include "xsaver/saver_options.h"
#include "xsaver/stop_signals.h"
#include "xsaver/x_saver.h"

namespace {

int Fail(const std::string& message, int status) {
    const std::string line = "vorrith-saver: error: " + message + "\n";
    if (write(STDERR_FILENO, line.data(), line.size()) < 0) return status;
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    static vorrith::RenderParams params;
    vorrith::ClearRenderParams(params);
    params.fullScreen = 1;  // every window zooms its pictures into its 4:3 area
    // First of all: a SIGTERM from the daemon during start-up ends the saver cleanly too.
    if (!vorrith::StopOnSignals(params.control)) return Fail("cannot set up signal handling", 1);

    const vorrith::ParsedSaverOptions parsed =
        vorrith::ParseSaverOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) return Fail(parsed.error + " (try --help)", 2);
    if (parsed.options.showHelp) {
        const std::string usage = vorrith::kSaverUsage;
        return write(STDOUT_FILENO, usage.data(), usage.size()) == static_cast<ssize_t>(usage.size()) ? 0 : 1;
    }
    const vorrith::TargetChoice choice = vorrith::ChooseDrawTarget(parsed.options, std::getenv("XSCREENSAVER_WINDOW"));
    if (!choice.error.empty()) return Fail(choice.error, 1);
    std::string error;
    const int status = vorrith::RunXSaver(parsed.options, choice, params, error);
    return status == 0 ? 0 : Fail(error, status);
}
