#include "cli/options/given_options.h"

namespace vorrith {

std::string GivenOptions::Remember(const std::string& option, const std::string& shown) {
    const auto [it, first] = shown_.emplace(option, shown);
    if (first || option == kNumberArguments) return "";
    return option + " is given twice (" + it->second + ", " + shown + ")";
}

std::string GivenOptions::Contradiction(const std::string& one, const std::string& other) const {
    return shown_.at(one) + " and " + shown_.at(other) + " contradict each other";
}

}  // namespace vorrith
