// The values options and arguments take, read strictly: decimal counts, image numbers and
// their ranges, sizes, and the file format a name's extension asks for. Each reader
// refuses what it cannot read whole rather than taking a prefix.
#pragma once

#include <optional>
#include <string>

#include "cli/options/image_number_set.h"
#include "cli/options/render_options.h"

namespace vorrith {

// A decimal count 0 ... limit: digits only, leading zeros allowed.
std::optional<int> ParseDecimal(const std::string& text, int limit);

// A decimal image number 0 ... kMaxImageNumber, the same way.
std::optional<int> ParseImageNumber(const std::string& text);

// The message for text that is no image number, naming the numbers allowed.
std::string NumberError(const std::string& text);

// Adds one NUMBER or FIRST-LAST item to numbers; an error message or "".
std::string AddImageNumbers(const std::string& item, ImageNumberSet& numbers);
// Reads one NUMBER or FIRST-LAST item into first and last; an error message or "".
std::string ParseImageRange(const std::string& item, int& first, int& last);

// "3840x2160": two sides of 1 ... kLargestOutputSide pixels.
std::optional<PictureSize> ParseSize(const std::string& text);

// The format a file name's extension (.png, .bmp, any case) asks for, if it names one.
std::optional<PictureFormat> FormatOfName(const std::string& name);
// ".jpg" of "pics/a.jpg"; "" for "a", ".hidden" or "dir.d/a".
std::string ExtensionOf(const std::string& name);

}  // namespace vorrith
