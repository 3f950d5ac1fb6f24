// Reading the screensaver's command line: the program name to skip, the mode letter and
// the window numbers that follow some modes.
//
// Modes: /s full screen, /p N or /l N preview inside window N, /c[:N] configuration owned
// by window N, /a N password change (Windows 9x family only), nothing: configuration
// without owner. Letters may follow any run of ' ', '-' and '/' and are case-blind.
#pragma once

#include <cstdint>

namespace vorrith {

enum class SaverMode {
    kConfigure,       // no argument: the configuration dialog without owner
    kConfigureOwned,  // 'C': owner from ":N", else the foreground window
    kFullScreen,      // 'S'
    kPreview,         // 'P' or 'L' with the parent window's number
    kChangePassword,  // 'A' with an optional owner number
    kUnknown,         // any other letter: exit code -1
};

struct ModeRequest {
    SaverMode mode;
    uintptr_t window;  // the number given with the mode, 0 when there is none
};

// The argument text: past the program name (quoted, or up to the first character at or
// below ' ') and the control characters and spaces after it.
const char* SkipProgramName(const char* commandLine);

// Decimal digits from text on, value * 10 + digit, up to the first non-digit; no sign,
// no hexadecimal. 0 when text does not start with a digit.
uintptr_t ParseWindowHandle(const char* text);

ModeRequest ParseModeRequest(const char* arguments);

}  // namespace vorrith
