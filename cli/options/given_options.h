// How each option was first given on the command line ("-o 'a.bmp'"), so that a message
// about two options quotes both as the user typed them. The image numbers count as one
// option, kNumberArguments, which may be given any number of times.
#pragma once

#include <map>
#include <string>

namespace vorrith {

constexpr char kNumberArguments[] = "NUMBER";

class GivenOptions {
public:
    // Records option as shown; the "given twice" message when it was given before, or "".
    std::string Remember(const std::string& option, const std::string& shown);
    bool Given(const std::string& option) const { return shown_.count(option) != 0; }
    // "-o 'a.bmp' and --out-dir 'pics' contradict each other"; both must have been given.
    std::string Contradiction(const std::string& one, const std::string& other) const;

private:
    std::map<std::string, std::string> shown_;  // option -> how it was first given
};

}  // namespace vorrith
