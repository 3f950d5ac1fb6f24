// vorrith-render: Vorrith pictures from the command line, as BMP or PNG files at their own
// size or a wallpaper's, one or a batch at a time, as contact sheets of many, or as their
// scene plans in words.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <string>
#include <vector>

#include "cli/message_text.h"
#include "cli/options/option_table.h"
#include "cli/options/render_options.h"
#include "cli/render_job.h"
#include "posix/descriptor_writer.h"
#include "posix/system_reason.h"

namespace {

// A standard descriptor the caller closed is taken by /dev/null opened for reading, so
// no file the renderer opens can land there, and writing to it still fails (EBADF).
void KeepStandardDescriptorsTaken() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) == -1) {
            const int opened = open("/dev/null", O_RDONLY);
            if (opened >= 0 && opened != fd) close(opened);
        }
    }
}

// The help on the standard output; a failed write is said on the standard error, but
// for a reader that has gone (--help | head -1), which asked for no more.
int PrintHelp() {
    const int error = vorrith::WriteAll(STDOUT_FILENO, vorrith::RenderUsage());
    if (error == 0) return 0;
    if (error == EPIPE) return 1;
    return vorrith::FailWith("cannot write the help to the standard output: " + vorrith::SystemReason(error));
}

}  // namespace

int main(int argc, char** argv) {
    KeepStandardDescriptorsTaken();
    std::signal(SIGPIPE, SIG_IGN);  // a closed pipe is a failed write, not a silent death
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const vorrith::ParsedRenderOptions parsed = vorrith::ParseRenderOptions(arguments);
    if (!parsed.error.empty()) {
        vorrith::WriteAll(STDERR_FILENO, "vorrith-render: error: " + parsed.error + " (try --help)\n");
        return 2;
    }
    if (parsed.options.showHelp) return PrintHelp();
    return vorrith::RunRenderJob(parsed.options, isatty(STDERR_FILENO) != 0);
}
