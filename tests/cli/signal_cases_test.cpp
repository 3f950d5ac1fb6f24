// Interrupting the renderer while it writes a file, as Ctrl-C, a service manager and the
// out-of-memory killer would: every row is a way the promise "nothing half-written is
// left, and the user is told what happened" was once found broken.
//
// The signal is sent the moment a file appears in the output folder (inotify), that is
// while a picture is being written, the moment a careless implementation leaves a
// partial file behind.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <optional>
#include <sstream>

#include "tests/cli/render_runner.h"
#include "tests/support/scratch_folder.h"

namespace vorrith {
namespace {

namespace fs = std::filesystem;

enum class Target { kRenderer, kProcessGroup, kFirstWorker };

struct SignalCase {
    const char* what;
    int signal;
    Target target;
    int exitCode;
    std::string expected;
    bool ignoredOnEntry = false;  // started with SIGINT ignored, sent again until the end
};

// Starts the renderer in a process group of its own, its output going to outputFile.
pid_t StartRender(const fs::path& folder, const fs::path& outputFile, bool interruptIgnored) {
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        if (interruptIgnored) signal(SIGINT, SIG_IGN);  // as a shell starts a background job
        const int out = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        if (chdir(folder.c_str()) != 0) _exit(127);
        const std::string program = RenderProgram();
        execl(program.c_str(), program.c_str(), "--jobs", "2", "0-400", static_cast<char*>(nullptr));
        _exit(127);
    }
    setpgid(pid, pid);
    return pid;
}

// Blocks until a file is created in the folder watched by inotifyFd.
void WaitForAFileToBeCreated(int inotifyFd) {
    alignas(inotify_event) char events[4096];
    while (read(inotifyFd, events, sizeof events) < 0 && errno == EINTR) {}
}

pid_t FirstChild(pid_t parent) {
    std::ifstream children("/proc/" + std::to_string(parent) + "/task/" + std::to_string(parent) + "/children");
    pid_t child = 0;
    children >> child;
    return child;
}

// Sends signal to the process group every few milliseconds until its leader ends.
void SignalUntilEnd(pid_t leader, int signal) {
    while (true) {
        siginfo_t ended{};
        if (waitid(P_PID, static_cast<id_t>(leader), &ended, WEXITED | WNOHANG | WNOWAIT) != 0 || ended.si_pid != 0) {
            return;
        }
        kill(-leader, signal);
        usleep(5000);
    }
}

// None when the process was killed rather than exiting.
std::optional<int> ExitCode(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    if (!WIFEXITED(status)) return std::nullopt;
    return WEXITSTATUS(status);
}

size_t PicturesIn(const fs::path& folder) {
    size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) count += entry.is_regular_file() ? 1 : 0;
    return count;
}

TEST(SignalCasesTest, InterruptionsLeaveOnlyWholePicturesAndSaySo) {
    const SignalCase cases[] = {
        {"SIGINT to the renderer", SIGINT, Target::kRenderer, 130, "interrupted: "},
        {"SIGTERM to the renderer", SIGTERM, Target::kRenderer, 143, "interrupted: "},
        {"Ctrl-C at a terminal: SIGINT to every process", SIGINT, Target::kProcessGroup, 130, "interrupted: "},
        {"a worker killed", SIGKILL, Target::kFirstWorker, 1, "killed by signal 9"},
        {"SIGINT ignored on entry stays ignored, early and late", SIGINT, Target::kProcessGroup, 0, "", true},
    };
    for (const SignalCase& row : cases) {
        SCOPED_TRACE(row.what);
        ScratchFolder scratch("signal");
        const fs::path folder = scratch.path() / "pictures";
        fs::create_directory(folder);
        const int watch = inotify_init1(IN_CLOEXEC);
        ASSERT_GE(inotify_add_watch(watch, folder.c_str(), IN_CREATE), 0);
        const pid_t renderer = StartRender(folder, scratch.path() / "output", row.ignoredOnEntry);
        WaitForAFileToBeCreated(watch);
        close(watch);
        if (row.target == Target::kRenderer) kill(renderer, row.signal);
        if (row.target == Target::kProcessGroup) kill(-renderer, row.signal);
        if (row.target == Target::kFirstWorker) kill(FirstChild(renderer), row.signal);
        if (row.ignoredOnEntry) SignalUntilEnd(renderer, row.signal);
        const std::optional<int> exitCode = ExitCode(renderer);
        const std::string output = ReadWholeFile(scratch.path() / "output");
        EXPECT_EQ(exitCode, row.exitCode) << output;
        EXPECT_NE(output.find(row.expected), std::string::npos) << output;
        EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), row.ignoredOnEntry ? 0 : 1) << output;
        EXPECT_EQ(LeftoverFiles(folder), "");
        if (row.ignoredOnEntry) {
            EXPECT_EQ(PicturesIn(folder), 401u);
        }
        if (row.target != Target::kFirstWorker && !row.ignoredOnEntry) {
            const std::string count = std::to_string(PicturesIn(folder)) + " of 401 pictures written";
            EXPECT_NE(output.find(count), std::string::npos) << output;
        }
    }
}

}  // namespace
}  // namespace vorrith
