#include "win32/rules/command_line.h"

namespace vorrith {
namespace {

bool IsSeparator(char c) { return c == ' ' || c == '-' || c == '/'; }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

const char* SkipSpaces(const char* text) {
    while (*text == ' ') ++text;
    return text;
}

// Control characters and spaces: bytes 1 ... 32, read unsigned so that characters
// with the top bit set are kept as argument text.
bool IsBlank(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte >= 1 && byte <= 32;
}

bool IsAboveSpace(char c) { return static_cast<unsigned char>(c) > ' '; }

}  // namespace

const char* SkipProgramName(const char* commandLine) {
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"') ++p;
        if (*p == '"') ++p;
    } else {
        while (IsAboveSpace(*p)) ++p;
    }
    while (IsBlank(*p)) ++p;
    return p;
}

uintptr_t ParseWindowHandle(const char* text) {
    uintptr_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = value * 10 + static_cast<uintptr_t>(*text - '0');
    return value;
}

ModeRequest ParseModeRequest(const char* arguments) {
    const char* p = arguments;
    while (IsSeparator(*p)) ++p;
    switch (Upper(*p)) {
    case '\0': return {SaverMode::kConfigure, 0};
    case 'C': return {SaverMode::kConfigureOwned, p[1] == ':' ? ParseWindowHandle(p + 2) : 0};
    case 'S': return {SaverMode::kFullScreen, 0};
    case 'P':
    case 'L': return {SaverMode::kPreview, ParseWindowHandle(SkipSpaces(p + 1))};
    case 'A': return {SaverMode::kChangePassword, ParseWindowHandle(SkipSpaces(p + 1))};
    default: return {SaverMode::kUnknown, 0};
    }
}

}  // namespace vorrith
