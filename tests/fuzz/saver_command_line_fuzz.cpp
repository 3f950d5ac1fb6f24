// Fuzzes the screensaver's command line: the whole text as the system hands it over,
// program name included. Any text must give one of the known modes without a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "win32/rules/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string commandLine(reinterpret_cast<const char*>(data), size);  // stops at an inner NUL
    const char* arguments = vorrith::SkipProgramName(commandLine.c_str());
    if (arguments < commandLine.c_str() || arguments > commandLine.c_str() + commandLine.size()) std::abort();
    const vorrith::ModeRequest request = vorrith::ParseModeRequest(arguments);
    if (request.mode < vorrith::SaverMode::kConfigure || request.mode > vorrith::SaverMode::kUnknown) std::abort();
    return 0;
}
