// The cross-fade's byte kernels, each computing out = (from * (256 - level) + to * level) >> 8
// for level 0 ... 256. The vector kernels blend whole blocks and return how many bytes
// they did; the caller finishes the rest with CrossFadeBytesWithTables. CrossFadeBytes
// picks the widest kernel the processor runs; tests call each one directly.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/simd.h"

#if defined(__x86_64__) && defined(__GNUC__) && !defined(_WIN32) && defined(VORRITH_SSE2)
// 256-bit registers, chosen at run time. Not on Windows: GCC there cannot realign the
// stack past 16 bytes, so a spilled 256-bit register would fault.
#define VORRITH_WIDE_CROSS_FADE 1
#endif

namespace vorrith {

// The reference form: two 256-entry product tables, one look-up each per byte.
void CrossFadeBytesWithTables(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t count, int level);

#if defined(VORRITH_SSE2)
size_t CrossFadeBlocksSse2(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t count, int level);
#endif

#if defined(VORRITH_WIDE_CROSS_FADE)
// True where the processor (and the system) runs 256-bit integer instructions.
bool WideCrossFadeAvailable();
size_t CrossFadeBlocksAvx2(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t count, int level);
#endif

}  // namespace vorrith
