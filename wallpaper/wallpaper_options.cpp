#include "wallpaper/wallpaper_options.h"

#include <set>

#include "cli/message_text.h"
#include "cli/options/option_values.h"

namespace vorrith {

const char* const kWallpaperUsage =
    "usage: vorrith-wallpaper [N | --daily | --random] [--size WxH] [--fit | --fill]\n"
    "                         [--install-timer] [--dry-run]\n"
    "       vorrith-wallpaper --remove-timer [--dry-run]\n"
    "Draws a Vorrith picture at the size of the largest monitor and makes it the desktop\n"
    "background with the desktop's own tool (chosen by $XDG_CURRENT_DESKTOP). The file is\n"
    "$XDG_DATA_HOME/vorrith/wallpapers/VorrithN-WxH.png (VorrithN-WxH-fit.png with --fit);\n"
    "the newest five such files are kept.\n"
    "\n"
    "  N                  picture N (0-32767)\n"
    "  --daily            the picture of the day (the default): D, the days from 1970-01-01\n"
    "                     to today's local date, mixed in 32 bits as D ^= D >> 16,\n"
    "                     D *= 0x7feb352d, D ^= D >> 15, D *= 0x846ca68b, D ^= D >> 16,\n"
    "                     then D mod 32768; a second run on the same day changes nothing\n"
    "  --random           a picture chosen by the clock\n"
    "  --size WxH         the picture's size, each side 1-16384 (default: the largest\n"
    "                     monitor's, from XRandR or sway; 3840x2160 when none is found)\n"
    "  --fill             covers the screen, cropping the overhang evenly (the default)\n"
    "  --fit              the whole picture, with black bars\n"
    "  --install-timer    also sets the picture of the day every day: a systemd user timer,\n"
    "                     $XDG_CONFIG_HOME/systemd/user/vorrith-wallpaper.timer\n"
    "  --remove-timer     disables and removes that timer\n"
    "  --dry-run          writes and changes nothing: prints the file and the commands\n"
    "  --help             this text\n"
    "Exit codes: 0 done, 1 failed, 2 a bad command line.\n";

namespace {

// Walks the arguments once, remembering which options were given, so that a repeat or
// a contradiction is refused by name.
class Parser {
public:
    explicit Parser(WallpaperOptions& options) : options_(options) {}

    // The error of argument i (and of the value it takes), or "".
    std::string Take(const std::vector<std::string>& arguments, size_t& i) {
        const std::string& word = arguments[i];
        if (word.compare(0, 7, "--size=") == 0) return TakeSize(word.substr(7));
        if (word == "--size") {
            if (i + 1 == arguments.size()) return "--size needs WIDTHxHEIGHT";
            return TakeSize(arguments[++i]);
        }
        if (word == "--daily") return TakeChoice("--daily", PictureChoice::kDaily);
        if (word == "--random") return TakeChoice("--random", PictureChoice::kRandom);
        if (word == "--fit" || word == "--fill") {
            options_.fitMode = word == "--fit" ? FitMode::kFit : FitMode::kFill;
            options_.fitGiven = true;
            return Note(word);
        }
        if (word == "--install-timer") return Flag(word, options_.installTimer);
        if (word == "--remove-timer") return Flag(word, options_.removeTimer);
        if (word == "--dry-run") return Flag(word, options_.dryRun);
        if (word.size() > 1 && word[0] == '-') return "unknown option " + Quoted(word);
        return TakeNumber(word);
    }

    std::string TakeNumber(const std::string& word) {
        const auto number = ParseImageNumber(word);
        if (!number) return NumberError(word);
        options_.imageNumber = *number;
        return TakeChoice("an image number", PictureChoice::kNumber);
    }

    // Options that rule each other out, checked once all are read.
    std::string CheckTogether() const {
        if (Given("--fit") && Given("--fill")) return Contradiction("--fit", "--fill");
        if (Given("--remove-timer")) {
            for (const char* other :
                 {"--install-timer", "an image number", "--daily", "--random", "--size", "--fit", "--fill"}) {
                if (Given(other)) return Contradiction("--remove-timer", other) + ": it only removes the timer";
            }
        }
        for (const char* other : {"an image number", "--random"}) {
            if (Given("--install-timer") && Given(other)) {
                return Contradiction("--install-timer", other) + ": the timer sets the picture of the day";
            }
        }
        return "";
    }

private:
    bool Given(const std::string& name) const { return given_.count(name) != 0; }

    static std::string Contradiction(const std::string& one, const std::string& other) {
        return one + " and " + other + " contradict each other";
    }

    // Records name; a repeat is an error.
    std::string Note(const std::string& name) {
        if (given_.insert(name).second) return "";
        return name == "an image number" ? "more than one image number" : name + " given twice";
    }

    std::string Flag(const std::string& name, bool& flag) {
        flag = true;
        return Note(name);
    }

    std::string TakeChoice(const std::string& name, PictureChoice choice) {
        for (const char* other : {"an image number", "--daily", "--random"}) {
            if (name != other && Given(other)) return Contradiction(other, name);
        }
        options_.choice = choice;
        return Note(name);
    }

    std::string TakeSize(const std::string& value) {
        options_.size = ParseSize(value);
        if (!options_.size) {
            return "--size needs WIDTHxHEIGHT, each 1-" + std::to_string(kLargestOutputSide) + ", not " + Quoted(value);
        }
        return Note("--size");
    }

    WallpaperOptions& options_;
    std::set<std::string> given_;
};

}  // namespace

ParsedWallpaperOptions ParseWallpaperOptions(const std::vector<std::string>& arguments) {
    ParsedWallpaperOptions parsed;
    Parser parser(parsed.options);
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (!optionsEnded && (word == "--help" || word == "-h")) {
            parsed.options.showHelp = true;
            return parsed;
        }
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
            continue;
        }
        parsed.error = optionsEnded ? parser.TakeNumber(word) : parser.Take(arguments, i);
        if (!parsed.error.empty()) return parsed;
    }
    parsed.error = parser.CheckTogether();
    return parsed;
}

std::vector<std::string> DailyRunArguments(const WallpaperOptions& options) {
    std::vector<std::string> arguments = {"--daily"};
    if (options.size) {
        arguments.push_back("--size");
        arguments.push_back(std::to_string(options.size->width) + "x" + std::to_string(options.size->height));
    }
    if (options.fitGiven) arguments.push_back(options.fitMode == FitMode::kFit ? "--fit" : "--fill");
    return arguments;
}

}  // namespace vorrith
