#include "cli/render_options.h"

#include "core/random.h"

namespace vorrith {

const char* const kRenderUsage =
    "usage: vorrith-render [--out-dir DIR] [--jobs N] NUMBER|FIRST-LAST ...\n"
    "       vorrith-render -o PATH NUMBER\n"
    "       vorrith-render --random [-o PATH | --out-dir DIR]\n"
    "       vorrith-render --describe NUMBER\n"
    "Writes each picture (image numbers 0-32767) as a 640x480 24-bit BMP file,\n"
    "named VorrithNUMBER.Bmp unless -o names it. A batch is drawn by one worker\n"
    "process per core unless --jobs says how many. --dry-run draws without writing;\n"
    "--verbose names each image number on stderr before drawing it.\n";

std::optional<int> ParseImageNumber(const std::string& text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > kMaxImageNumber) return std::nullopt;
    return value;
}

std::string DefaultPictureName(int imageNumber) { return "Vorrith" + std::to_string(imageNumber) + ".Bmp"; }

namespace {

std::string NumberError(const std::string& text) {
    return "not an image number: '" + text + "' (expected 0-32767)";
}

// Appends one NUMBER or FIRST-LAST item; returns an error message or "".
std::string AddImageNumbers(const std::string& item, std::vector<int>& numbers) {
    const size_t dash = item.find('-');
    if (dash == std::string::npos) {
        const auto number = ParseImageNumber(item);
        if (!number) return NumberError(item);
        numbers.push_back(*number);
        return "";
    }
    const std::string firstText = item.substr(0, dash);
    const std::string lastText = item.substr(dash + 1);
    if (lastText.empty()) return "range '" + item + "' has no end";
    const auto first = ParseImageNumber(firstText);
    if (!first) return NumberError(firstText);
    const auto last = ParseImageNumber(lastText);
    if (!last) return NumberError(lastText);
    if (*last < *first) return "range '" + item + "' runs backwards";
    for (int n = *first; n <= *last; ++n) numbers.push_back(n);
    return "";
}

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

std::string CheckCombination(const RenderOptions& options) {
    const size_t pictures = options.imageNumbers.size() + (options.randomImage ? 1 : 0);
    if (options.describeNumber) {
        if (pictures > 0 || options.outputPath) return "--describe takes no other pictures or -o";
        return "";
    }
    if (pictures == 0) return "no image number given";
    if (options.outputPath && pictures > 1) return "-o names one file, but several pictures were asked for";
    return "";
}

}  // namespace

ParsedRenderOptions ParseRenderOptions(const std::vector<std::string>& arguments) {
    ParsedRenderOptions parsed;
    RenderOptions& options = parsed.options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "-h" || argument == "--help") {
            options.showHelp = true;
            return parsed;
        } else if (argument == "--random") {
            options.randomImage = true;
        } else if (argument == "--dry-run") {
            options.dryRun = true;
        } else if (argument == "--verbose") {
            options.verbose = true;
        } else if (argument == "-o" || argument == "--out-dir" || argument == "--describe" || argument == "--jobs") {
            if (!hasValue) {
                parsed.error = argument + " needs a value";
                return parsed;
            }
            const std::string& value = arguments[++i];
            if (argument == "-o") {
                options.outputPath = value;
            } else if (argument == "--out-dir") {
                options.outputFolder = value;
            } else if (argument == "--jobs") {
                const auto jobs = ParseImageNumber(value);  // a small count: the same strict digits
                if (!jobs || *jobs < 1 || *jobs > 256) parsed.error = "--jobs needs a count from 1 to 256";
                if (jobs) options.jobs = *jobs;
            } else {
                options.describeNumber = ParseImageNumber(value);
                if (!options.describeNumber) parsed.error = NumberError(value);
            }
        } else if (argument.size() > 1 && argument[0] == '-' && argument[1] >= '0' && argument[1] <= '9') {
            parsed.error = NumberError(argument);
        } else if (IsOption(argument)) {
            parsed.error = "unknown option '" + argument + "'";
        } else {
            parsed.error = AddImageNumbers(argument, options.imageNumbers);
        }
        if (!parsed.error.empty()) return parsed;
    }
    parsed.error = CheckCombination(options);
    return parsed;
}

}  // namespace vorrith
