#include "wallpaper/stable_program.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <vector>

#include "cli/message_text.h"
#include "posix/safe_file_replacement.h"
#include "posix/system_reason.h"
#include "wallpaper/wallpaper_messages.h"
#include "wallpaper/xdg_folders.h"

namespace vorrith {
namespace {

constexpr char kProgramName[] = "vorrith-wallpaper";

std::string RunningProgramPath() {
    std::vector<char> path(4096);
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<size_t>(length) >= path.size()) return "";
    return std::string(path.data(), static_cast<size_t>(length));
}

bool InBuildFolder(const std::string& program) {
    struct stat status {};
    return stat(InFolder(ContainingFolder(program), "CMakeCache.txt").c_str(), &status) == 0;
}

// The copy is written whole and made executable before the service names it.
std::string CopyProgram(const std::string& from, const std::string& to) {
    std::ifstream source(from, std::ios::binary | std::ios::ate);
    const std::streamoff size = source.tellg();
    std::vector<uint8_t> bytes(size > 0 ? static_cast<size_t>(size) : 0);
    if (!source || bytes.empty() || !source.seekg(0).read(reinterpret_cast<char*>(bytes.data()), size)) {
        return "cannot read the program " + Quoted(from);
    }
    const FileReplaceResult copied = ReplaceFileSafely(to, bytes);
    if (!copied.ok) return "cannot copy the program to " + Quoted(to) + ": " + copied.reason;
    if (chmod(to.c_str(), 0755) != 0) return "cannot make " + Quoted(to) + " executable: " + SystemReason(errno);
    return "";
}

}  // namespace

StableProgram StableProgramPath(const std::string& home, const ToolRunner& runner) {
    const std::string running = RunningProgramPath();
    if (running.empty()) return {"", "cannot find this program's own path in /proc/self/exe"};
    if (!InBuildFolder(running)) return {running, ""};
    const std::string folder = InFolder(home, ".local/bin");
    const std::string copy = InFolder(folder, kProgramName);
    const std::string copied = "the program from its build folder to " + copy + ", which the timer runs";
    if (runner.dryRun()) {
        runner.Announce("would copy " + copied);
        return {copy, ""};
    }
    std::string error = MakeFolders(folder);
    if (error.empty()) error = CopyProgram(running, copy);
    if (error.empty()) Tell("Copied " + copied + ".");
    return {copy, error};
}

}  // namespace vorrith
