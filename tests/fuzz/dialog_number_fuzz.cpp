// Fuzzes the configuration dialog's reading of a typed image number: whatever is typed
// (or pasted), a picture is drawn only for a number in 0 ... 32767.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "saver/picture_browser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const int shown = static_cast<int8_t>(data[0]) * 300;  // -38400 ... 38100, around the valid range
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    vorrith::ParseImageNumberText(text.c_str());
    const vorrith::TypedDraw decision = vorrith::DecideTypedDraw(text.c_str(), shown);
    if (decision.action == vorrith::TypedDrawAction::kDrawPicture &&
        (decision.imageNumber < 0 || decision.imageNumber > 32767 || decision.imageNumber == shown)) {
        std::abort();
    }
    return 0;
}
