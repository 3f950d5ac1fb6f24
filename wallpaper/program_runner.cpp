#include "wallpaper/program_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "cli/message_text.h"
#include "posix/descriptor_writer.h"
#include "posix/system_reason.h"

extern char** environ;

namespace vorrith {
namespace {

// More than any tool's listing; what comes past it is read and dropped.
constexpr size_t kMostCollected = size_t{1} << 20;

class Pipe {
public:
    Pipe() {
        if (pipe2(ends_, O_CLOEXEC) != 0) ends_[0] = ends_[1] = -1;
    }
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    bool ok() const { return ends_[0] >= 0; }
    int read() const { return ends_[0]; }
    int write() const { return ends_[1]; }
    void CloseRead() { Close(ends_[0]); }
    void CloseWrite() { Close(ends_[1]); }

private:
    static void Close(int& fd) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
    int ends_[2];
};

// Reads both pipes to their ends, together, so that a tool filling one is never stuck.
void CollectOutputs(Pipe& out, Pipe& err, std::string& output, std::string& errors) {
    Pipe* pipes[] = {&out, &err};
    std::string* texts[] = {&output, &errors};
    while (out.read() >= 0 || err.read() >= 0) {
        pollfd watched[2] = {{out.read(), POLLIN, 0}, {err.read(), POLLIN, 0}};
        if (poll(watched, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        for (int i = 0; i < 2; ++i) {
            if (watched[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t got = ::read(pipes[i]->read(), buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) {
                pipes[i]->CloseRead();
            } else if (texts[i]->size() < kMostCollected) {
                texts[i]->append(buffer, static_cast<size_t>(got));
            }
        }
    }
}

int WaitFor(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return status;
}

std::string FirstLine(const std::string& text) {
    const size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string::npos) return "";
    return EscapeControlCharacters(text.substr(start, text.find('\n', start) - start));
}

std::string StatusError(const std::string& name, int status, const std::string& errors) {
    std::string what;
    if (status == -1) {
        what = "could not be waited for";
    } else if (WIFSIGNALED(status)) {
        what = "was ended by signal " + std::to_string(WTERMSIG(status));
    } else if (WEXITSTATUS(status) != 0) {
        what = "failed (exit status " + std::to_string(WEXITSTATUS(status)) + ")";
    } else {
        return "";
    }
    const std::string said = FirstLine(errors);
    return Quoted(name) + " " + what + (said.empty() ? "" : ": " + said);
}

// Starts command with its standard input from /dev/null and its outputs into the pipes.
int Spawn(const Command& command, const Pipe& out, const Pipe& err, pid_t& child) {
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out.write(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.write(), STDERR_FILENO);
    // The child starts with the default handling of the interruptions this process
    // catches, and none blocked.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigset_t defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    const int error = posix_spawnp(&child, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return error;
}

bool IsPlainWord(const std::string& word) {
    if (word.empty()) return false;
    for (char c : word) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           std::string("/._-+=:,@%").find(c) != std::string::npos;
        if (!plain) return false;
    }
    return true;
}

}  // namespace

ProgramResult RunProgram(const Command& command) {
    ProgramResult result;
    const std::string& name = command.front();
    Pipe out;
    Pipe err;
    if (!out.ok() || !err.ok()) {
        result.error = "cannot run " + Quoted(name) + ": " + SystemReason(errno);
        return result;
    }
    pid_t child = 0;
    const int spawnError = Spawn(command, out, err, child);
    out.CloseWrite();
    err.CloseWrite();
    if (spawnError != 0) {
        result.error = "cannot run " + Quoted(name) + ": " + SystemReason(spawnError);
        return result;
    }
    std::string errors;
    CollectOutputs(out, err, result.output, errors);
    result.error = StatusError(name, WaitFor(child), errors);
    return result;
}

bool ProgramOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    const std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t colon = std::min(folders.find(':', start), folders.size());
        const std::string folder = colon == start ? "." : folders.substr(start, colon - start);
        const std::string candidate = folder + "/" + name;
        struct stat status {};
        if (stat(candidate.c_str(), &status) == 0 && S_ISREG(status.st_mode) && access(candidate.c_str(), X_OK) == 0) {
            return true;
        }
        start = colon + 1;
    }
    return false;
}

std::string CommandText(const Command& command) {
    std::string text;
    for (const std::string& word : command) {
        if (!text.empty()) text += ' ';
        if (IsPlainWord(word)) {
            text += word;
            continue;
        }
        text += '\'';
        for (char c : word) text += c == '\'' ? std::string("'\\''") : std::string(1, c);
        text += '\'';
    }
    return EscapeControlCharacters(text);
}

std::string ToolRunner::Change(const Command& command) const {
    if (!dryRun_) return RunProgram(command).error;
    WriteAll(STDOUT_FILENO, CommandText(command) + "\n");
    return "";
}

void ToolRunner::Announce(const std::string& step) const {
    if (dryRun_) WriteAll(STDOUT_FILENO, step + "\n");
}

}  // namespace vorrith
