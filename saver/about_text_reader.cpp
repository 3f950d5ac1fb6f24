#include "saver/about_text_reader.h"

#include <algorithm>
#include <cstring>

namespace vorrith {

int ReadAboutChunk(AboutTextReader& reader, uint8_t* buffer, long requested, long& transferred) {
    const long remaining = reader.count - reader.delivered;
    if (remaining <= 0) {
        transferred = 0;
        return 1;
    }
    const long chunk = std::clamp(requested, 0L, remaining);
    if (chunk > 0) std::memcpy(buffer, reader.bytes + reader.delivered, static_cast<size_t>(chunk));
    reader.delivered += chunk;
    transferred = chunk;
    return 0;
}

}  // namespace vorrith
