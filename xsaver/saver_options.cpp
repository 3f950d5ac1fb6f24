#include "xsaver/saver_options.h"

#include <map>

namespace vorrith {

const char* const kSaverUsage =
    "usage: vorrith-saver [--root | --window [--fullscreen] | --window-id ID] [options]\n"
    "Shows Vorrith pictures one after another: each cross-fades in while it zooms from\n"
    "its own size to the largest 4:3 area of the window, and stays. Run by the\n"
    "screensaver daemon, it draws into the window named by $XSCREENSAVER_WINDOW,\n"
    "whatever the options say. Every option also works with one dash (-root).\n"
    "\n"
    "  --root            draws on the root window (the desktop)\n"
    "  --window          draws in a window of its own (the default); Escape or q closes it\n"
    "    --fullscreen    that window covers the screen\n"
    "  --window-id ID    draws into window ID, hexadecimal (0x...) or decimal\n"
    "  --number N        starts at picture N (0-32767), then N+1, N+2 ...;\n"
    "                    -1 takes the numbers from the clock (the default)\n"
    "  --different       a different picture on each monitor: the number plus the\n"
    "                    monitor's index (the default)\n"
    "  --same            the same picture on every monitor\n"
    "  --delay SECONDS   how long a picture stays once faded in, 1-3600, decimals\n"
    "                    allowed (default 2.7)\n"
    "  --display NAME    the X display (default: $DISPLAY)\n"
    "  --help            this text\n";

namespace {

constexpr uint32_t kShortestHoldMs = 1000;
constexpr uint32_t kLongestHoldMs = 3600 * 1000;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits only, up to limit.
bool ParseDigits(const std::string& text, int base, uint64_t limit, uint64_t& value) {
    if (text.empty()) return false;
    value = 0;
    for (char c : text) {
        int digit = -1;
        if (IsDigit(c))
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0) return false;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (value > limit) return false;
    }
    return true;
}

bool HasHexPrefix(const std::string& text) {
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

bool ParseHexWindowId(const std::string& text, uint32_t& id) {
    uint64_t value = 0;
    if (!ParseDigits(HasHexPrefix(text) ? text.substr(2) : text, 16, 0xFFFFFFFFu, value) || value == 0) return false;
    id = static_cast<uint32_t>(value);
    return true;
}

// "2.7" or "10": seconds with up to three decimals, to milliseconds. A comma is taken
// for the point too, as a settings dialog in such a locale may write it.
bool ParseSeconds(const std::string& text, uint32_t& milliseconds) {
    const size_t point = text.find_first_of(".,");
    const std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    if (point != std::string::npos && fraction.empty()) return false;
    if (fraction.size() > 3) return false;
    fraction.resize(3, '0');
    uint64_t seconds = 0, thousandths = 0;
    if (!ParseDigits(whole, 10, kLongestHoldMs / 1000, seconds) || !ParseDigits(fraction, 10, 999, thousandths)) {
        return false;
    }
    milliseconds = static_cast<uint32_t>(seconds * 1000 + thousandths);
    return milliseconds >= kShortestHoldMs && milliseconds <= kLongestHoldMs;
}

// -1 ... 32767.
bool ParseStartNumber(const std::string& text, int& number) {
    if (text == "-1") {
        number = -1;
        return true;
    }
    uint64_t value = 0;
    if (!ParseDigits(text, 10, 32767, value)) return false;
    number = static_cast<int>(value);
    return true;
}

bool TakesValue(const std::string& option) {
    return option == "--window-id" || option == "--number" || option == "--delay" || option == "--display";
}

bool IsFlag(const std::string& option) {
    return option == "--root" || option == "--window" || option == "--fullscreen" || option == "--same" ||
           option == "--different" || option == "--help";
}

// Walks the arguments once, remembering how each option was given so that a
// contradiction can name both sides.
class Parser {
public:
    explicit Parser(SaverOptions& options) : options_(options) {}

    // Returns the error of argument i (and of the value it takes), or "".
    std::string Take(const std::vector<std::string>& arguments, size_t& i) {
        std::string option = arguments[i];
        if (option == "-h") option = "--help";
        if (option.size() > 2 && option[0] == '-' && option[1] != '-') option = "-" + option;
        std::string value;
        const size_t equals = option.find('=');
        const bool inlineValue = option.compare(0, 2, "--") == 0 && equals != std::string::npos;
        if (inlineValue) {
            value = option.substr(equals + 1);
            option.resize(equals);
        }
        if (IsFlag(option) && !inlineValue) return TakeFlag(option);
        if (!TakesValue(option)) return "unknown option " + Quoted(arguments[i]);
        if (!inlineValue) {
            if (i + 1 >= arguments.size()) return option + " needs a value";
            value = arguments[++i];
        }
        const auto [it, first] = given_.emplace(option, option + " " + Quoted(value));
        if (!first) return option + " is given twice (" + it->second + ", " + option + " " + Quoted(value) + ")";
        return TakeValue(option, value);
    }

    std::string CheckCombination() const {
        const char* const targets[] = {"--root", "--window", "--window-id"};
        for (size_t a = 0; a < 3; ++a) {
            for (size_t b = a + 1; b < 3; ++b) {
                if (Given(targets[a]) && Given(targets[b])) {
                    return Contradiction(targets[a], targets[b]) + ": give one window to draw into";
                }
            }
        }
        if (Given("--same") && Given("--different")) return Contradiction("--same", "--different");
        if (Given("--fullscreen") && options_.target != DrawTarget::kOwnWindow) {
            return "--fullscreen goes with --window, not with " + given_.at(Given("--root") ? "--root" : "--window-id");
        }
        return "";
    }

private:
    std::string TakeFlag(const std::string& option) {
        given_.emplace(option, option);
        if (option == "--root") options_.target = DrawTarget::kRoot;
        if (option == "--window") options_.target = DrawTarget::kOwnWindow;
        if (option == "--fullscreen") options_.fullScreen = true;
        if (option == "--same") options_.samePicture = true;
        if (option == "--help") options_.showHelp = true;
        return "";
    }

    std::string TakeValue(const std::string& option, const std::string& value) {
        if (option == "--window-id") {
            options_.target = DrawTarget::kWindowId;
            if (!ParseWindowId(value, options_.windowId)) {
                return "--window-id needs a window id, 0x... or decimal, not " + Quoted(value);
            }
        } else if (option == "--number") {
            if (!ParseStartNumber(value, options_.startNumber)) {
                return "--number needs an image number from 0 to 32767 (or -1), not " + Quoted(value);
            }
        } else if (option == "--delay") {
            if (!ParseSeconds(value, options_.holdMs))
                return "--delay needs seconds from 1 to 3600, not " + Quoted(value);
        } else {
            if (value.empty()) return "--display needs a display name";
            options_.display = value;
        }
        return "";
    }

    bool Given(const std::string& option) const { return given_.count(option) != 0; }

    std::string Contradiction(const std::string& one, const std::string& other) const {
        return given_.at(one) + " and " + given_.at(other) + " contradict each other";
    }

    SaverOptions& options_;
    std::map<std::string, std::string> given_;  // option -> how it was given
};

}  // namespace

bool ParseWindowId(const std::string& text, uint32_t& id) {
    if (HasHexPrefix(text)) return ParseHexWindowId(text, id);
    uint64_t value = 0;
    if (!ParseDigits(text, 10, 0xFFFFFFFFu, value) || value == 0) return false;
    id = static_cast<uint32_t>(value);
    return true;
}

ParsedSaverOptions ParseSaverOptions(const std::vector<std::string>& arguments) {
    ParsedSaverOptions parsed;
    Parser parser(parsed.options);
    for (size_t i = 0; i < arguments.size(); ++i) {
        parsed.error = parser.Take(arguments, i);
        if (!parsed.error.empty() || parsed.options.showHelp) return parsed;
    }
    parsed.error = parser.CheckCombination();
    return parsed;
}

TargetChoice ChooseDrawTarget(const SaverOptions& options, const char* envWindow) {
    if (envWindow == nullptr || *envWindow == '\0') return {options.target, options.windowId, ""};
    TargetChoice choice{DrawTarget::kWindowId, 0, ""};
    if (!ParseHexWindowId(envWindow, choice.windowId)) {
        choice.error = "XSCREENSAVER_WINDOW does not name a window: " + Quoted(envWindow);
    }
    return choice;
}

}  // namespace vorrith
