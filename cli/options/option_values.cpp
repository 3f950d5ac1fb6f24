#include "cli/options/option_values.h"

#include "cli/message_text.h"
#include "core/random.h"

namespace vorrith {
namespace {

bool EndsWithIgnoringCase(const std::string& text, const std::string& ending) {
    if (text.size() < ending.size()) return false;
    for (size_t i = 0; i < ending.size(); ++i) {
        const char c = text[text.size() - ending.size() + i];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != ending[i]) return false;
    }
    return true;
}

}  // namespace

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

std::optional<int> ParseImageNumber(const std::string& text) { return ParseDecimal(text, kMaxImageNumber); }

std::string NumberError(const std::string& text) {
    return "not an image number: " + Quoted(text) + " (expected 0-" + std::to_string(kMaxImageNumber) + ")";
}

std::string AddImageNumbers(const std::string& item, ImageNumberSet& numbers) {
    int first = 0;
    int last = 0;
    const std::string error = ParseImageRange(item, first, last);
    if (error.empty()) numbers.Add(first, last);
    return error;
}

std::string ParseImageRange(const std::string& item, int& first, int& last) {
    const size_t dash = item.find('-', 1);  // a leading '-' is a sign, not a range
    if (dash == std::string::npos) {
        const auto number = ParseImageNumber(item);
        if (!number) return NumberError(item);
        first = last = *number;
        return "";
    }
    const std::string firstText = item.substr(0, dash);
    const std::string lastText = item.substr(dash + 1);
    if (lastText.empty()) return "range " + Quoted(item) + " has no end";
    const auto from = ParseImageNumber(firstText);
    if (!from) return NumberError(firstText);
    const auto to = ParseImageNumber(lastText);
    if (!to) return NumberError(lastText);
    if (*to < *from) return "range " + Quoted(item) + " runs backwards";
    first = *from;
    last = *to;
    return "";
}

std::optional<PictureSize> ParseSize(const std::string& text) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return std::nullopt;
    const auto width = ParseDecimal(text.substr(0, x), kLargestOutputSide);
    const auto height = ParseDecimal(text.substr(x + 1), kLargestOutputSide);
    if (!width || !height || *width < 1 || *height < 1) return std::nullopt;
    return PictureSize{*width, *height};
}

std::optional<PictureFormat> FormatOfName(const std::string& name) {
    if (EndsWithIgnoringCase(name, ".png")) return PictureFormat::kPng;
    if (EndsWithIgnoringCase(name, ".bmp")) return PictureFormat::kBmp;
    return std::nullopt;
}

std::string ExtensionOf(const std::string& name) {
    const size_t slash = name.rfind('/');
    const size_t start = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = name.rfind('.');
    // A leading dot names a hidden file, not an extension.
    return dot == std::string::npos || dot <= start ? "" : name.substr(dot);
}

}  // namespace vorrith
