// The system's words for an errno value ("No space left on device"): what every one-line
// message of the native programs ends with when a system call failed.
#pragma once

#include <cstring>
#include <string>

namespace vorrith {

inline std::string SystemReason(int error) { return std::strerror(error); }

}  // namespace vorrith
