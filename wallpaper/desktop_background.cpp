#include "wallpaper/desktop_background.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace vorrith {
namespace {

using Setter = std::function<std::string(const std::string& file, FitMode mode, const ToolRunner& runner)>;

struct DesktopTool {
    std::vector<std::string> desktops;  // the entries of $XDG_CURRENT_DESKTOP, lower case
    const char* tool;
    Setter set;
};

std::string LowerCase(std::string text) {
    for (char& c : text) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool EndsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

std::string RunAll(const std::vector<Command>& commands, const ToolRunner& runner) {
    for (const Command& command : commands) {
        const std::string error = runner.Change(command);
        if (!error.empty()) return error;
    }
    return "";
}

const char* ZoomOrScaled(FitMode mode) { return mode == FitMode::kFill ? "zoom" : "scaled"; }

// GNOME and Cinnamon: the picture as a URI, and its scaling.
std::string SetWithGSettings(const char* schema, bool darkKey, const std::string& file, FitMode mode,
                             const ToolRunner& runner) {
    const std::string uri = FileUri(file);
    std::vector<Command> commands = {{"gsettings", "set", schema, "picture-options", ZoomOrScaled(mode)},
                                     {"gsettings", "set", schema, "picture-uri", uri}};
    if (darkKey) commands.push_back({"gsettings", "set", schema, "picture-uri-dark", uri});
    return RunAll(commands, runner);
}

std::string SetGnome(const std::string& file, FitMode mode, const ToolRunner& runner) {
    const char* schema = "org.gnome.desktop.background";
    const ProgramResult keys = runner.Query({"gsettings", "list-keys", schema});
    if (!keys.error.empty()) return keys.error;
    bool darkKey = false;
    for (const std::string& key : Lines(keys.output)) darkKey = darkKey || key == "picture-uri-dark";
    return SetWithGSettings(schema, darkKey, file, mode, runner);
}

std::string SetCinnamon(const std::string& file, FitMode mode, const ToolRunner& runner) {
    return SetWithGSettings("org.cinnamon.desktop.background", false, file, mode, runner);
}

// MATE takes a plain path.
std::string SetMate(const std::string& file, FitMode mode, const ToolRunner& runner) {
    return RunAll({{"gsettings", "set", "org.mate.background", "picture-options", ZoomOrScaled(mode)},
                   {"gsettings", "set", "org.mate.background", "picture-filename", file}},
                  runner);
}

std::string SetPlasma(const std::string& file, FitMode, const ToolRunner& runner) {
    return runner.Change({"plasma-apply-wallpaperimage", file});
}

// Every /backdrop/.../last-image property: one per monitor and workspace.
std::string SetXfce(const std::string& file, FitMode, const ToolRunner& runner) {
    const ProgramResult listed = runner.Query({"xfconf-query", "-c", "xfce4-desktop", "-l"});
    if (!listed.error.empty()) return listed.error;
    std::vector<Command> commands;
    for (const std::string& property : Lines(listed.output)) {
        if (property.compare(0, 10, "/backdrop/") == 0 && EndsWith(property, "/last-image")) {
            commands.push_back({"xfconf-query", "-c", "xfce4-desktop", "-p", property, "-s", file});
        }
    }
    if (commands.empty()) return "xfconf-query lists no monitor's last-image in xfce4-desktop (is xfdesktop running?)";
    return RunAll(commands, runner);
}

// swaymsg joins its arguments into one sway command, which sway splits at blanks again:
// a path with anything but plain characters goes in double quotes.
std::string SwayPath(const std::string& file) {
    if (file.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+,@%=:") ==
        std::string::npos) {
        return file;
    }
    std::string quoted = "\"";
    for (char c : file) quoted += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return quoted + "\"";
}

std::string SetSway(const std::string& file, FitMode mode, const ToolRunner& runner) {
    return runner.Change({"swaymsg", "output", "*", "bg", SwayPath(file), mode == FitMode::kFill ? "fill" : "fit"});
}

const std::vector<DesktopTool>& DesktopTools() {
    static const std::vector<DesktopTool> tools = {
        {{"gnome", "ubuntu", "unity", "budgie", "gnome-classic", "gnome-flashback"}, "gsettings", SetGnome},
        {{"x-cinnamon", "cinnamon"}, "gsettings", SetCinnamon},
        {{"mate"}, "gsettings", SetMate},
        {{"kde"}, "plasma-apply-wallpaperimage", SetPlasma},
        {{"xfce"}, "xfconf-query", SetXfce},
        {{"sway"}, "swaymsg", SetSway},
    };
    return tools;
}

const DesktopTool* ToolOfDesktop(const std::string& currentDesktop) {
    size_t start = 0;
    while (start < currentDesktop.size()) {
        const size_t colon = std::min(currentDesktop.find(':', start), currentDesktop.size());
        const std::string entry = LowerCase(currentDesktop.substr(start, colon - start));
        for (const DesktopTool& tool : DesktopTools()) {
            for (const std::string& desktop : tool.desktops) {
                if (entry == desktop) return &tool;
            }
        }
        start = colon + 1;
    }
    return nullptr;
}

// An X desktop without a tool of its own: a program that sets the root window's picture.
BackgroundResult SetWithXTool(const std::string& file, FitMode mode, const ToolRunner& runner) {
    const bool fill = mode == FitMode::kFill;
    if (ProgramOnPath("feh")) return {"feh", runner.Change({"feh", fill ? "--bg-fill" : "--bg-max", file})};
    if (ProgramOnPath("xwallpaper")) {
        return {"xwallpaper", runner.Change({"xwallpaper", fill ? "--zoom" : "--maximize", file})};
    }
    return {};
}

}  // namespace

BackgroundResult SetDesktopBackground(const std::string& currentDesktop, bool hasXDisplay, const std::string& file,
                                      FitMode mode, const ToolRunner& runner) {
    if (const DesktopTool* tool = ToolOfDesktop(currentDesktop)) return {tool->tool, tool->set(file, mode, runner)};
    if (hasXDisplay) return SetWithXTool(file, mode, runner);
    return {};
}

bool IsSwayDesktop(const std::string& currentDesktop) {
    const DesktopTool* tool = ToolOfDesktop(currentDesktop);
    return tool && std::string(tool->tool) == "swaymsg";
}

std::string FileUri(const std::string& path) {
    std::string uri = "file://";
    for (char c : path) {
        const bool unreserved = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                                c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
        if (unreserved) {
            uri += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            uri += escaped;
        }
    }
    return uri;
}

}  // namespace vorrith
