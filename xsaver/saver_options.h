// The command line of vorrith-saver, and the window it draws into.
//
//   vorrith-saver [--root | --window [--fullscreen] | --window-id ID]
//                 [--number N] [--same | --different] [--delay SECONDS] [--display NAME]
//
// Every long option also works with one dash (-root, -window-id), as the screensaver
// daemon's program lists write them, and takes its value as the next word or after '='.
// Contradictions (two windows, --same with --different) and a value given twice are
// refused with a message naming both.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "present/render_geometry.h"

namespace vorrith {

enum class DrawTarget : uint8_t { kOwnWindow, kRoot, kWindowId };

struct SaverOptions {
    DrawTarget target = DrawTarget::kOwnWindow;
    uint32_t windowId = 0;             // with kWindowId
    bool fullScreen = false;           // with kOwnWindow: the window covers the screen
    int startNumber = -1;              // -1: numbers from the wall clock
    bool samePicture = false;          // false: each monitor's number is offset by its index
    uint32_t holdMs = kPictureHoldMs;  // how long a picture stays once faded in
    std::string display;               // empty: $DISPLAY
    bool showHelp = false;
};

struct ParsedSaverOptions {
    SaverOptions options;
    std::string error;  // empty when the command line is valid
};

ParsedSaverOptions ParseSaverOptions(const std::vector<std::string>& arguments);

// A window id as desktops pass it: hexadecimal with 0x, else decimal; 1 ... 0xFFFFFFFF.
bool ParseWindowId(const std::string& text, uint32_t& id);

struct TargetChoice {
    DrawTarget target;
    uint32_t windowId;
    std::string error;  // the environment's window id is malformed
};

// The daemon names its window in $XSCREENSAVER_WINDOW (hexadecimal, 0x optional); when
// set, it wins over every option, or a saver whose command line says --root would draw
// on the root window hidden behind the daemon's. envWindow may be null.
TargetChoice ChooseDrawTarget(const SaverOptions& options, const char* envWindow);

extern const char* const kSaverUsage;

}  // namespace vorrith
