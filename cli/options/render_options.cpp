#include "cli/options/render_options.h"

#include <map>
#include <utility>

#include "cli/message_text.h"
#include "cli/sheets/sheet_layout.h"
#include "core/random.h"

namespace vorrith {

const char* const kRenderUsage =
    "usage: vorrith-render [--out-dir DIR] [--jobs N] NUMBER|FIRST-LAST ...\n"
    "       vorrith-render -o PATH NUMBER\n"
    "       vorrith-render --random [-o PATH | --out-dir DIR]\n"
    "       vorrith-render --describe NUMBER\n"
    "       vorrith-render --sheet LIST -o FILE.png [--columns N] [--thumb WIDTH]\n"
    "Writes each picture (image numbers 0-32767) as a 640x480 24-bit BMP file,\n"
    "named VorrithNUMBER.Bmp unless -o names it. A batch is drawn by one worker\n"
    "process per core unless --jobs says how many. --dry-run draws without writing;\n"
    "--verbose names each image number on stderr before drawing it. -- ends the options.\n"
    "\n"
    "  --format bmp|png   file format; a .png or .bmp name given with -o chooses it too;\n"
    "                     batches in PNG are named VorrithNUMBER.png\n"
    "  -o -               writes the one picture to the standard output\n"
    "  --size WxH         resamples to W x H pixels (1-16384 each), 4:3 kept:\n"
    "    --fit            the whole picture with black bars (the default)\n"
    "    --fill           covers the size, cropping the overhang evenly\n"
    "  --filter smooth|nearest  smooth resampling (the default), or crisp pixels\n"
    "  --sheet LIST       one PNG of labelled thumbnails; LIST is numbers and ranges\n"
    "                     separated by commas, such as 0-63 or 5,17,100-120\n"
    "    --columns N      thumbnails per row (default: a roughly square sheet)\n"
    "    --thumb WIDTH    thumbnail width, 40-640 pixels (default 160)\n";

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
    for (const char* valued : {"-o", "--out-dir", "--describe", "--jobs", "--format", "--size", "--filter", "--sheet",
                               "--columns", "--thumb"}) {
        if (option == valued) return true;
    }
    return false;
}

bool IsFlag(const std::string& option) {
    for (const char* flag : {"--random", "--dry-run", "--verbose", "--fit", "--fill"}) {
        if (option == flag) return true;
    }
    return false;
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& ending) {
    if (text.size() < ending.size()) return false;
    for (size_t i = 0; i < ending.size(); ++i) {
        const char c = text[text.size() - ending.size() + i];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != ending[i]) return false;
    }
    return true;
}

// The format a file name's extension asks for, if it names one.
std::optional<PictureFormat> FormatOfName(const std::string& name) {
    if (EndsWithIgnoringCase(name, ".png")) return PictureFormat::kPng;
    if (EndsWithIgnoringCase(name, ".bmp")) return PictureFormat::kBmp;
    return std::nullopt;
}

// "3840x2160": two sides of 1 ... kLargestOutputSide pixels.
std::optional<PictureSize> ParseSize(const std::string& text) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return std::nullopt;
    const auto width = ParseDecimal(text.substr(0, x), kLargestOutputSide);
    const auto height = ParseDecimal(text.substr(x + 1), kLargestOutputSide);
    if (!width || !height || *width < 1 || *height < 1) return std::nullopt;
    return PictureSize{*width, *height};
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
        } else if (IsFlag(argument)) {
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

    std::string CheckCombination() {
        if (Given("--describe")) {
            for (const char* other : {"-o", "--out-dir", "--random", "--jobs", "--dry-run", "NUMBER", "--sheet",
                                      "--format", "--size"}) {
                if (Given(other)) return Contradiction("--describe", other) + ": --describe draws no file";
            }
        }
        const std::string needs = CheckDependentOptions();
        if (!needs.empty() || Given("--describe")) return needs;
        if (Given("--sheet")) return CheckSheet();
        if (Given("--random") && Given("NUMBER")) return Contradiction("--random", "NUMBER");
        if (Given("-o") && Given("--out-dir")) return Contradiction("-o", "--out-dir");
        const size_t pictures = options_.imageNumbers.Count() + (options_.randomImage ? 1 : 0);
        if (pictures == 0) return "no image number given";
        if (options_.outputPath && pictures > 1) {
            return "-o names one file, but " + std::to_string(pictures) + " pictures were asked for";
        }
        return ResolveFormat();
    }

private:
    // Options that only mean something beside another one.
    std::string CheckDependentOptions() const {
        if (Given("--fit") && Given("--fill")) return Contradiction("--fit", "--fill");
        for (const char* shape : {"--fit", "--fill"}) {
            if (Given(shape) && !Given("--size")) return std::string(shape) + " needs --size";
        }
        for (const char* sheetOption : {"--columns", "--thumb"}) {
            if (Given(sheetOption) && !Given("--sheet")) return std::string(sheetOption) + " needs --sheet";
        }
        if (Given("--filter") && !Given("--size") && !Given("--sheet")) return "--filter needs --size or --sheet";
        return "";
    }

    // -o's extension and --format must agree; either chooses the format alone.
    std::string ResolveFormat() {
        const auto named = options_.outputPath ? FormatOfName(*options_.outputPath) : std::nullopt;
        if (named && Given("--format") && *named != options_.format) {
            return Contradiction("-o", "--format") + ": the name's extension says another format";
        }
        if (named) options_.format = *named;
        return "";
    }

    std::string CheckSheet() {
        const std::pair<const char*, const char*> contradictions[] = {
            {"NUMBER", "the sheet shows the pictures of its own list"},
            {"--random", "the sheet shows the pictures of its own list"},
            {"--out-dir", "a sheet is one file, named by -o"},
            {"--size", "a sheet's size follows from --thumb and --columns"},
        };
        for (const auto& [other, reason] : contradictions) {
            if (Given(other)) return Contradiction("--sheet", other) + ": " + reason;
        }
        if (!Given("-o")) return "--sheet needs -o FILE: a sheet is one PNG file";
        if (Given("--format") && options_.format != PictureFormat::kPng) {
            return Contradiction("--sheet", "--format") + ": a sheet is always PNG";
        }
        if (FormatOfName(*options_.outputPath).value_or(PictureFormat::kPng) != PictureFormat::kPng) {
            return Contradiction("--sheet", "-o") + ": a sheet is always PNG";
        }
        options_.format = PictureFormat::kPng;
        const SheetLayout layout =
            LayoutSheet(options_.imageNumbers.Count(), options_.thumbWidth, options_.sheetColumns);
        if (layout.width > kLargestSheetSide || layout.height > kLargestSheetSide) {
            return "the sheet would be " + std::to_string(layout.width) + "x" + std::to_string(layout.height) +
                   " pixels, more than " + std::to_string(kLargestSheetSide) +
                   " on a side: use fewer pictures, --columns or a smaller --thumb";
        }
        return "";
    }

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
        if (option == "--fill") options_.fitMode = FitMode::kFill;
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
        } else if (option != "--describe") {
            return TakePictureOption(option, value);
        } else {
            options_.describeNumber = ParseImageNumber(value);
            if (!options_.describeNumber) return NumberError(value);
        }
        return "";
    }

    std::string TakePictureOption(const std::string& option, const std::string& value) {
        if (option == "--format") {
            if (value != "bmp" && value != "png") return "--format needs bmp or png, not " + Quoted(value);
            options_.format = value == "png" ? PictureFormat::kPng : PictureFormat::kBmp;
        } else if (option == "--size") {
            options_.size = ParseSize(value);
            if (!options_.size) {
                return "--size needs WIDTHxHEIGHT, each 1-" + std::to_string(kLargestOutputSide) + ", not " +
                       Quoted(value);
            }
        } else if (option == "--filter") {
            if (value != "smooth" && value != "nearest") return "--filter needs smooth or nearest, not " + Quoted(value);
            options_.filter = value == "nearest" ? ScaleFilter::kNearest : ScaleFilter::kSmooth;
        } else if (option == "--columns") {
            const auto columns = ParseDecimal(value, kMaxImageNumber + 1);
            if (!columns || *columns < 1) return "--columns needs a count from 1 to 32768, not " + Quoted(value);
            options_.sheetColumns = *columns;
        } else if (option == "--thumb") {
            const auto width = ParseDecimal(value, kLargestThumbWidth);
            if (!width || *width < kSmallestThumbWidth) {
                return "--thumb needs a width from " + std::to_string(kSmallestThumbWidth) + " to " +
                       std::to_string(kLargestThumbWidth) + " pixels, not " + Quoted(value);
            }
            options_.thumbWidth = *width;
        } else {
            return AddSheetList(value);
        }
        return "";
    }

    // "0-63" or "5,17,100-120"
    std::string AddSheetList(const std::string& list) {
        options_.sheet = true;
        size_t start = 0;
        while (true) {
            const size_t comma = list.find(',', start);
            const std::string error = AddImageNumbers(list.substr(start, comma - start), options_.imageNumbers);
            if (!error.empty()) return "--sheet: " + error;
            if (comma == std::string::npos) return "";
            start = comma + 1;
        }
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

bool WritesToStandardOutput(const RenderOptions& options) {
    return options.outputPath && *options.outputPath == kStandardOutputName;
}

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
