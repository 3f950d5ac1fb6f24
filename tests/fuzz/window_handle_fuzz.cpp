// Fuzzes the window-number parser with any text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "win32/rules/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const uintptr_t handle = vorrith::ParseWindowHandle(text.c_str());
    const bool startsWithDigit = !text.empty() && text[0] >= '0' && text[0] <= '9';
    if (!startsWithDigit && handle != 0) std::abort();
    return 0;
}
