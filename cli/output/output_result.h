// How making a picture's pixels or a file's bytes ended: done, out of memory, or failed
// in a library for a cause given in its own words ("cairo cannot draw the sheet's labels:
// invalid matrix (not invertible)"). Each failure keeps its cause up to the one-line
// message, so that a libpng or cairo error is never reported as a lack of memory.
#pragma once

#include <string>

namespace vorrith {

class OutputResult {
public:
    static OutputResult Done() { return OutputResult(Outcome::kDone, ""); }
    static OutputResult OutOfMemory() { return OutputResult(Outcome::kOutOfMemory, ""); }
    static OutputResult Failed(const std::string& cause) { return OutputResult(Outcome::kFailed, cause); }

    bool ok() const { return outcome_ == Outcome::kDone; }
    // The one-line message of a failure: memoryText when memory ran out, else the cause.
    std::string Message(const std::string& memoryText) const {
        return outcome_ == Outcome::kOutOfMemory ? memoryText : cause_;
    }

private:
    enum class Outcome { kDone, kOutOfMemory, kFailed };
    OutputResult(Outcome outcome, const std::string& cause) : outcome_(outcome), cause_(cause) {}

    Outcome outcome_;
    std::string cause_;
};

}  // namespace vorrith
