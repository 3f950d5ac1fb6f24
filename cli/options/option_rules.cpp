#include "cli/options/option_rules.h"

#include <utility>

#include "cli/message_text.h"
#include "cli/options/option_values.h"
#include "cli/sheets/sheet_layout.h"
#include "posix/destination_kind.h"

namespace vorrith {
namespace {

// --describe prints a plan and draws nothing: every option about drawing contradicts it.
std::string CheckDescribe(const GivenOptions& given) {
    for (const char* other : {"-o", "--out-dir", "--random", "--jobs", "--dry-run", kNumberArguments, "--sheet",
                              "--format", "--size", "--fit", "--fill", "--filter", "--columns", "--thumb"}) {
        if (given.Given(other)) return given.Contradiction("--describe", other) + ": --describe draws no file";
    }
    return "";
}

// Options that only mean something beside another one.
std::string CheckDependentOptions(const GivenOptions& given) {
    if (given.Given("--fit") && given.Given("--fill")) return given.Contradiction("--fit", "--fill");
    for (const char* shape : {"--fit", "--fill"}) {
        if (given.Given(shape) && !given.Given("--size")) return std::string(shape) + " needs --size";
    }
    for (const char* sheetOption : {"--columns", "--thumb"}) {
        if (given.Given(sheetOption) && !given.Given("--sheet")) return std::string(sheetOption) + " needs --sheet";
    }
    if (given.Given("--filter") && !given.Given("--size") && !given.Given("--sheet")) {
        return "--filter needs --size or --sheet";
    }
    return "";
}

// An extension that names another format (-o pic.jpg) would give a file that is not what
// its name says: refused unless --format says what to write. A device has no format of
// its own.
std::string CheckForeignExtension(const GivenOptions& given, const RenderOptions& options) {
    if (!options.outputPath || given.Given("--format") || FormatOfName(*options.outputPath)) return "";
    const std::string extension = ExtensionOf(*options.outputPath);
    if (extension.empty() || KindOfDestination(*options.outputPath) == DestinationKind::kStream) return "";
    return "-o " + Quoted(*options.outputPath) + ": the extension " + Quoted(extension) +
           " is neither .bmp nor .png: choose the format with --format";
}

// -o's extension and --format must agree; either chooses the format alone.
std::string ResolveFormat(const GivenOptions& given, RenderOptions& options) {
    const std::string foreign = CheckForeignExtension(given, options);
    if (!foreign.empty()) return foreign;
    const auto named = options.outputPath ? FormatOfName(*options.outputPath) : std::nullopt;
    if (named && given.Given("--format") && *named != options.format) {
        return given.Contradiction("-o", "--format") + ": the name's extension says another format";
    }
    if (named) options.format = *named;
    return "";
}

std::string CheckSheet(const GivenOptions& given, RenderOptions& options) {
    const std::pair<const char*, const char*> contradictions[] = {
        {kNumberArguments, "the sheet shows the pictures of its own list"},
        {"--random", "the sheet shows the pictures of its own list"},
        {"--out-dir", "a sheet is one file, named by -o"},
        {"--size", "a sheet's size follows from --thumb and --columns"},
    };
    for (const auto& [other, reason] : contradictions) {
        if (given.Given(other)) return given.Contradiction("--sheet", other) + ": " + reason;
    }
    if (!given.Given("-o")) return "--sheet needs -o FILE: a sheet is one PNG file";
    if (given.Given("--format") && options.format != PictureFormat::kPng) {
        return given.Contradiction("--sheet", "--format") + ": a sheet is always PNG";
    }
    if (FormatOfName(*options.outputPath).value_or(PictureFormat::kPng) != PictureFormat::kPng) {
        return given.Contradiction("--sheet", "-o") + ": a sheet is always PNG";
    }
    const std::string foreign = CheckForeignExtension(given, options);
    if (!foreign.empty()) return foreign;
    options.format = PictureFormat::kPng;
    const SheetLayout layout = LayoutSheet(options.sheetNumbers.size(), options.thumbWidth, options.sheetColumns);
    if (layout.width > kLargestSheetSide || layout.height > kLargestSheetSide) {
        return "the sheet would be " + std::to_string(layout.width) + "x" + std::to_string(layout.height) +
               " pixels, more than " + std::to_string(kLargestSheetSide) +
               " on a side: use fewer pictures, --columns or a smaller --thumb";
    }
    return "";
}

}  // namespace

std::string CheckCombination(const GivenOptions& given, RenderOptions& options) {
    if (given.Given("--describe")) {
        const std::string error = CheckDescribe(given);
        if (!error.empty()) return error;
    }
    const std::string needs = CheckDependentOptions(given);
    if (!needs.empty() || given.Given("--describe")) return needs;
    if (given.Given("--sheet")) return CheckSheet(given, options);
    if (given.Given("--random") && given.Given(kNumberArguments)) {
        return given.Contradiction("--random", kNumberArguments);
    }
    if (given.Given("-o") && given.Given("--out-dir")) return given.Contradiction("-o", "--out-dir");
    const size_t pictures = options.imageNumbers.Count() + (options.randomImage ? 1 : 0);
    if (pictures == 0) return "no image number given";
    if (options.outputPath && pictures > 1) {
        return "-o names one file, but " + std::to_string(pictures) + " pictures were asked for";
    }
    return ResolveFormat(given, options);
}

}  // namespace vorrith
