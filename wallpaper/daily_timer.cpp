#include "wallpaper/daily_timer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "cli/message_text.h"
#include "posix/system_reason.h"
#include "wallpaper/stable_program.h"
#include "wallpaper/wallpaper_messages.h"

namespace vorrith {
namespace {

constexpr char kTimerName[] = "vorrith-wallpaper.timer";
constexpr char kServiceName[] = "vorrith-wallpaper.service";

// A word as systemd reads it in a unit file: in double quotes unless it is plain, with
// backslash, quote and control characters escaped, and % doubled, since systemd would
// take it for a specifier. In ExecStart= $ is doubled too, or it would name a variable.
std::string UnitWord(const std::string& word, bool inExecLine, bool alwaysQuoted) {
    std::string escaped;
    bool plain = !word.empty();
    for (char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            escaped += std::string("\\") + c;
        } else if (c == '%') {
            escaped += "%%";
        } else if (c == '$' && inExecLine) {
            escaped += "$$";
        } else if (byte < 0x20 || byte == 0x7f) {
            escaped += EscapeControlCharacters(std::string(1, c));
        } else {
            escaped += c;
        }
        plain = plain && c != ' ' && c != '\'' && (byte > 0x20 && byte != 0x7f) && c != '\\' && c != '"';
    }
    return plain && !alwaysQuoted ? escaped : "\"" + escaped + "\"";
}

std::string UnitFolder(const UserFolders& folders) { return InFolder(folders.config, "systemd/user"); }

bool Exists(const std::string& path) {
    struct stat status {};
    return lstat(path.c_str(), &status) == 0;
}

std::string WriteUnit(const std::string& path, const std::string& text, const ToolRunner& runner) {
    if (runner.dryRun()) {
        runner.Announce("would write " + path + ":\n" + text);
        return "";
    }
    return WriteTextFile(path, text);
}

std::string RemoveUnit(const std::string& path, const ToolRunner& runner) {
    if (runner.dryRun()) {
        runner.Announce("would remove " + path);
        return "";
    }
    if (unlink(path.c_str()) != 0 && errno != ENOENT)
        return "cannot remove " + Quoted(path) + ": " + SystemReason(errno);
    return "";
}

std::string Systemctl(const std::vector<std::string>& arguments, const ToolRunner& runner) {
    Command command = {"systemctl", "--user"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return runner.Change(command);
}

}  // namespace

std::string TimerUnitText() {
    return "[Unit]\n"
           "Description=Vorrith's picture of the day, every day\n"
           "\n"
           "[Timer]\n"
           "OnCalendar=daily\n"
           "Persistent=true\n"
           "\n"
           "[Install]\n"
           "WantedBy=timers.target\n";
}

std::string ServiceUnitText(const std::string& program, const std::vector<std::string>& arguments,
                            const EnvironmentVariables& environment) {
    std::string text =
        "[Unit]\n"
        "Description=Vorrith's picture of the day as the desktop background\n"
        "\n"
        "[Service]\n"
        "Type=oneshot\n";
    for (const auto& [name, value] : environment) {
        text += "Environment=" + UnitWord(name + "=" + value, false, true) + "\n";
    }
    text += "ExecStart=" + UnitWord(program, true, false);
    for (const std::string& argument : arguments) text += " " + UnitWord(argument, true, false);
    return text + "\n";
}

EnvironmentVariables DesktopVariables() {
    EnvironmentVariables variables;
    for (const char* name : {"XDG_CURRENT_DESKTOP", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && value[0] != '\0') variables.emplace_back(name, value);
    }
    return variables;
}

std::string InstallDailyTimer(const WallpaperOptions& options, const UserFolders& folders, const ToolRunner& runner) {
    const StableProgram program = StableProgramPath(folders.home, runner);
    if (!program.error.empty()) return program.error;
    const std::string unitFolder = UnitFolder(folders);
    std::string error = runner.dryRun() ? "" : MakeFolders(unitFolder);
    if (error.empty()) {
        const std::string service = ServiceUnitText(program.path, DailyRunArguments(options), DesktopVariables());
        error = WriteUnit(InFolder(unitFolder, kServiceName), service, runner);
    }
    if (error.empty()) error = WriteUnit(InFolder(unitFolder, kTimerName), TimerUnitText(), runner);
    if (error.empty()) error = Systemctl({"daemon-reload"}, runner);
    if (error.empty()) error = Systemctl({"enable", "--now", kTimerName}, runner);
    if (error.empty() && !runner.dryRun()) {
        Tell("The timer " + std::string(kTimerName) + " sets the picture of the day every day (" + unitFolder + ").");
    }
    return error;
}

std::string RemoveDailyTimer(const UserFolders& folders, const ToolRunner& runner) {
    const std::string unitFolder = UnitFolder(folders);
    const std::string timer = InFolder(unitFolder, kTimerName);
    const std::string service = InFolder(unitFolder, kServiceName);
    if (!Exists(timer) && !Exists(service)) {
        Tell("No timer to remove: there is no " + timer + ".");
        return "";
    }
    std::string error = Systemctl({"disable", "--now", kTimerName}, runner);
    if (error.empty()) error = RemoveUnit(timer, runner);
    if (error.empty()) error = RemoveUnit(service, runner);
    if (error.empty()) error = Systemctl({"daemon-reload"}, runner);
    if (error.empty() && !runner.dryRun()) Tell("Removed the timer " + std::string(kTimerName) + ".");
    return error;
}

}  // namespace vorrith
