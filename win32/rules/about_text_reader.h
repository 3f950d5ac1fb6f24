// Hands the About text to the rich-text control in the pieces it asks for.
//
// ReadAboutChunk copies min(requested, remaining) bytes, reports the count and returns
// true to go on; once everything was delivered it reports 0 bytes and returns false,
// which ends the stream. A negative request is treated as a request for nothing.
#pragma once

#include <cstdint>

namespace vorrith {

struct AboutTextReader {
    const uint8_t* bytes;
    long count;
    long delivered;
};

bool ReadAboutChunk(AboutTextReader& reader, uint8_t* buffer, long requested, long& transferred);

}  // namespace vorrith
