#include "win32/rules/about_text_reader.h"

#include <algorithm>
#include <cstring>

namespace vorrith {

bool ReadAboutChunk(AboutTextReader& reader, uint8_t* buffer, long requested, long& transferred) {
    const long remaining = reader.count - reader.delivered;
    if (remaining <= 0) {
        transferred = 0;
        return false;
    }
    const long chunk = std::clamp(requested, 0L, remaining);
    if (chunk > 0) std::memcpy(buffer, reader.bytes + reader.delivered, static_cast<size_t>(chunk));
    reader.delivered += chunk;
    transferred = chunk;
    return true;
}

}  // namespace vorrith
