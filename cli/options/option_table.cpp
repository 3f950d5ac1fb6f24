#include "cli/options/option_table.h"

#include "cli/message_text.h"
#include "cli/options/option_values.h"
#include "cli/sheets/sheet_layout.h"
#include "core/random.h"

namespace vorrith {
namespace {

constexpr bool kTakesValue = true;
constexpr bool kFlag = false;
constexpr int kMostJobs = 256;
constexpr int kMostColumns = kMaxImageNumber + 1;  // one picture per column at most

// count becomes value, a count from 1 to most; else the message for option.
std::string SetCount(const char* option, const std::string& value, int most, int& count) {
    const auto parsed = ParseDecimal(value, most);
    if (!parsed || *parsed < 1) {
        return std::string(option) + " needs a count from 1 to " + std::to_string(most) + ", not " + Quoted(value);
    }
    count = *parsed;
    return "";
}

// More cells than any sheet can hold (thumbnails of the smallest width on the largest
// side): a list past this is refused by the sheet's size, so it need not be kept whole.
constexpr size_t kMoreThanAnySheet = static_cast<size_t>(kLargestSheetSide / kSmallestThumbWidth) *
                                         static_cast<size_t>(kLargestSheetSide / kSmallestThumbWidth) +
                                     1;

// "0-63" or "9,3,5,5,100-120": the pictures in the order given, repeats kept.
std::string AddSheetList(const std::string& list, RenderOptions& options) {
    options.sheet = true;
    size_t start = 0;
    while (true) {
        const size_t comma = list.find(',', start);
        int first = 0;
        int last = 0;
        const std::string error = ParseImageRange(list.substr(start, comma - start), first, last);
        if (!error.empty()) return "--sheet: " + error;
        for (int n = first; n <= last && options.sheetNumbers.size() < kMoreThanAnySheet; ++n) {
            options.sheetNumbers.push_back(n);
        }
        if (comma == std::string::npos) return "";
        start = comma + 1;
    }
}

const OptionRow kOptionRows[] = {
    // What is drawn.
    {"--random", kFlag,
     [](const std::string&, RenderOptions& options) -> std::string {
         options.randomImage = true;
         return "";
     }},
    {"--describe", kTakesValue,
     [](const std::string& value, RenderOptions& options) -> std::string {
         options.describeNumber = ParseImageNumber(value);
         return options.describeNumber ? "" : NumberError(value);
     }},
    {"--dry-run", kFlag,
     [](const std::string&, RenderOptions& options) -> std::string {
         options.dryRun = true;
         return "";
     }},
    {"--verbose", kFlag,
     [](const std::string&, RenderOptions& options) -> std::string {
         options.verbose = true;
         return "";
     }},
    {"--jobs", kTakesValue,
     [](const std::string& value, RenderOptions& options) {
         return SetCount("--jobs", value, kMostJobs, options.jobs);
     }},
    // Where it goes.
    {"-o", kTakesValue,
     [](const std::string& value, RenderOptions& options) -> std::string {
         if (value.empty()) return "-o needs a file name";
         options.outputPath = value;
         return "";
     }},
    {"--out-dir", kTakesValue,
     [](const std::string& value, RenderOptions& options) -> std::string {
         if (value.empty()) return "--out-dir needs a folder name";
         options.outputFolder = value;
         return "";
     }},
    {"--format", kTakesValue,
     [](const std::string& value, RenderOptions& options) -> std::string {
         if (value != "bmp" && value != "png") return "--format needs bmp or png, not " + Quoted(value);
         options.format = value == "png" ? PictureFormat::kPng : PictureFormat::kBmp;
         return "";
     }},
    // Its size.
    {"--size", kTakesValue,
     [](const std::string& value, RenderOptions& options) -> std::string {
         options.size = ParseSize(value);
         if (options.size) return "";
         return "--size needs WIDTHxHEIGHT, each 1-" + std::to_string(kLargestOutputSide) + ", not " + Quoted(value);
     }},
    {"--fit", kFlag,
     [](const std::string&, RenderOptions& options) -> std::string {
         options.fitMode = FitMode::kFit;
         return "";
     }},
    {"--fill", kFlag,
     [](const std::string&, RenderOptions& options) -> std::string {
         options.fitMode = FitMode::kFill;
         return "";
     }},
    {"--filter", kTakesValue,
     [](const std::string& value, RenderOptions& options) -> std::string {
         if (value != "smooth" && value != "nearest") return "--filter needs smooth or nearest, not " + Quoted(value);
         options.filter = value == "nearest" ? ScaleFilter::kNearest : ScaleFilter::kSmooth;
         return "";
     }},
    // Contact sheets.
    {"--sheet", kTakesValue, AddSheetList},
    {"--columns", kTakesValue,
     [](const std::string& value, RenderOptions& options) {
         return SetCount("--columns", value, kMostColumns, options.sheetColumns);
     }},
    {"--thumb", kTakesValue,
     [](const std::string& value, RenderOptions& options) -> std::string {
         const auto width = ParseDecimal(value, kLargestThumbWidth);
         if (!width || *width < kSmallestThumbWidth) {
             return "--thumb needs a width from " + std::to_string(kSmallestThumbWidth) + " to " +
                    std::to_string(kLargestThumbWidth) + " pixels, not " + Quoted(value);
         }
         options.thumbWidth = *width;
         return "";
     }},
};

std::string UsageText() {
    const std::string numbers = "0-" + std::to_string(kMaxImageNumber);
    return "usage: vorrith-render [--out-dir DIR] [--jobs N] NUMBER|FIRST-LAST ...\n"
           "       vorrith-render -o PATH NUMBER\n"
           "       vorrith-render --random [-o PATH | --out-dir DIR]\n"
           "       vorrith-render --describe NUMBER\n"
           "       vorrith-render --sheet LIST -o FILE.png [--columns N] [--thumb WIDTH]\n"
           "Writes each picture (image numbers " +
           numbers +
           ") as a 640x480 24-bit BMP file,\n"
           "named VorrithNUMBER.Bmp unless -o names it. A batch is drawn by one worker\n"
           "process per core unless --jobs says how many. --dry-run draws without writing;\n"
           "--verbose names each image number on stderr before drawing it. -- ends the options.\n"
           "\n"
           "  --format bmp|png   file format; a .png or .bmp name given with -o chooses it too;\n"
           "                     batches in PNG are named VorrithNUMBER.png\n"
           "  -o -               writes the one picture to the standard output\n"
           "  --size WxH         resamples to W x H pixels (1-" +
           std::to_string(kLargestOutputSide) +
           " each), 4:3 kept:\n"
           "    --fit            the whole picture with black bars (the default)\n"
           "    --fill           covers the size, cropping the overhang evenly\n"
           "  --filter smooth|nearest  smooth resampling (the default), or crisp pixels\n"
           "  --sheet LIST       one PNG of labelled thumbnails; LIST is numbers and ranges\n"
           "                     separated by commas, such as 0-63 or 5,17,100-120\n"
           "    --columns N      thumbnails per row (default: a roughly square sheet)\n"
           "    --thumb WIDTH    thumbnail width, " +
           std::to_string(kSmallestThumbWidth) + "-" + std::to_string(kLargestThumbWidth) + " pixels (default " +
           std::to_string(kDefaultThumbWidth) + ")\n";
}

}  // namespace

const OptionRow* FindOption(const std::string& name) {
    for (const OptionRow& row : kOptionRows) {
        if (name == row.name) return &row;
    }
    return nullptr;
}

const std::string& RenderUsage() {
    static const std::string usage = UsageText();
    return usage;
}

}  // namespace vorrith
