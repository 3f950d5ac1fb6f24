#include "cli/render_options.h"

#include <map>

#include "cli/message_text.h"
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
    "--verbose names each image number on stderr before drawing it. -- ends the options.\n";

namespace {

// A decimal count up to limit, leading zeros allowed.
std::optional<int> ParseDecimal(const std::string& text, int limit) {
    if (text.empty()) return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string NumberError(const std::string& text) {
    return "not an image number: " + Quoted(text) + " (expected 0-32767)";
}

// Adds one NUMBER or FIRST-LAST item; returns an error message or "".
std::string AddImageNumbers(const std::string& item, ImageNumberSet& numbers) {
    const size_t dash = item.find('-', 1);  // a leading '-' is a sign, not a range
    if (dash == std::string::npos) {
        const auto number = ParseImageNumber(item);
        if (!number) return NumberError(item);
        numbers.Add(*number, *number);
        return "";
    }
    const std::string firstText = item.substr(0, dash);
    const std::string lastText = item.substr(dash + 1);
    if (lastText.empty()) return "range " + Quoted(item) + " has no end";
    const auto first = ParseImageNumber(firstText);
    if (!first) return NumberError(firstText);
    const auto last = ParseImageNumber(lastText);
    if (!last) return NumberError(lastText);
    if (*last < *first) return "range " + Quoted(item) + " runs backwards";
    numbers.Add(*first, *last);
    return "";
}

bool TakesValue(const std::string& option) {
    return option == "-o" || option == "--out-dir" || option == "--describe" || option == "--jobs";
}

// Walks the arguments once, remembering how each option was first given so that a
// contradiction can name both sides.
class Parser {
public:
    explicit Parser(ParsedRenderOptions& parsed) : parsed_(parsed), options_(parsed.options) {}

    // false once an error is set
    bool Take(const std::vector<std::string>& arguments, size_t& i) {
        const std::string& argument = arguments[i];
        if (optionsEnded_) return Accept(AddNumbers(argument));
        if (argument == "--") {
            optionsEnded_ = true;
        } else if (argument == "-h" || argument == "--help") {
            options_.showHelp = true;
        } else if (argument == "--random" || argument == "--dry-run" || argument == "--verbose") {
            return Accept(Remember(argument, argument));
        } else if (TakesValue(argument)) {
            if (i + 1 >= arguments.size()) return Accept(argument + " needs a value");
            return Accept(TakeValue(argument, arguments[++i]));
        } else if (argument.size() > 1 && argument[0] == '-' && (argument[1] < '0' || argument[1] > '9')) {
            return Accept("unknown option " + Quoted(argument));
        } else {
            return Accept(AddNumbers(argument));
        }
        return true;
    }

    std::string CheckCombination() const {
        if (Given("--describe")) {
            for (const char* other : {"-o", "--out-dir", "--random", "--jobs", "--dry-run", "NUMBER"}) {
                if (Given(other)) return Contradiction("--describe", other) + ": --describe draws no file";
            }
            return "";
        }
        if (Given("--random") && Given("NUMBER")) return Contradiction("--random", "NUMBER");
        if (Given("-o") && Given("--out-dir")) return Contradiction("-o", "--out-dir");
        const size_t pictures = options_.imageNumbers.Count() + (options_.randomImage ? 1 : 0);
        if (pictures == 0) return "no image number given";
        if (options_.outputPath && pictures > 1) {
            return "-o names one file, but " + std::to_string(pictures) + " pictures were asked for";
        }
        return "";
    }

private:
    // Records the error of one argument; true when there was none.
    bool Accept(const std::string& error) {
        parsed_.error = error;
        return error.empty();
    }

    bool Given(const std::string& option) const { return given_.count(option) != 0; }

    // "-o 'a.bmp' and --out-dir 'pics' contradict each other"
    std::string Contradiction(const std::string& one, const std::string& other) const {
        return given_.at(one) + " and " + given_.at(other) + " contradict each other";
    }

    std::string Remember(const std::string& option, const std::string& shown) {
        const auto [it, first] = given_.emplace(option, shown);
        if (!first && option != "NUMBER") return option + " is given twice (" + it->second + ", " + shown + ")";
        if (option == "--random") options_.randomImage = true;
        if (option == "--dry-run") options_.dryRun = true;
        if (option == "--verbose") options_.verbose = true;
        return "";
    }

    std::string TakeValue(const std::string& option, const std::string& value) {
        const std::string repeated = Remember(option, option + " " + Quoted(value));
        if (!repeated.empty()) return repeated;
        if (option == "-o" || option == "--out-dir") {
            if (value.empty()) return option + (option == "-o" ? " needs a file name" : " needs a folder name");
            (option == "-o" ? options_.outputPath : options_.outputFolder) = value;
        } else if (option == "--jobs") {
            const auto jobs = ParseDecimal(value, 256);
            if (!jobs || *jobs < 1) return "--jobs needs a count from 1 to 256, not " + Quoted(value);
            options_.jobs = *jobs;
        } else {
            options_.describeNumber = ParseImageNumber(value);
            if (!options_.describeNumber) return NumberError(value);
        }
        return "";
    }

    std::string AddNumbers(const std::string& item) {
        Remember("NUMBER", "image number " + Quoted(item));
        return AddImageNumbers(item, options_.imageNumbers);
    }

    ParsedRenderOptions& parsed_;
    RenderOptions& options_;
    std::map<std::string, std::string> given_;  // option -> how it was first given
    bool optionsEnded_ = false;
};

}  // namespace

std::optional<int> ParseImageNumber(const std::string& text) { return ParseDecimal(text, kMaxImageNumber); }

ParsedRenderOptions ParseRenderOptions(const std::vector<std::string>& arguments) {
    ParsedRenderOptions parsed;
    Parser parser(parsed);
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (!parser.Take(arguments, i)) return parsed;
        if (parsed.options.showHelp) return parsed;
    }
    parsed.error = parser.CheckCombination();
    return parsed;
}

}  // namespace vorrith
