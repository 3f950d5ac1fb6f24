// vorrith_e2e SCENARIO: runs one end-to-end scenario; exit code 0 when every check held.
#include <cstdio>
#include <map>
#include <string>

#include "tests/e2e/window_driver.h"

namespace vorrith::e2e {
std::map<std::string, Scenario>& Scenarios();
}  // namespace vorrith::e2e

int main(int argc, char** argv) {
    auto& scenarios = vorrith::e2e::Scenarios();
    const auto found = argc == 2 ? scenarios.find(argv[1]) : scenarios.end();
    if (found == scenarios.end()) {
        std::printf("usage: vorrith_e2e SCENARIO; scenarios:");
        for (const auto& s : scenarios) std::printf(" %s", s.first.c_str());
        std::printf("\n");
        return 2;
    }
    vorrith::e2e::DeclareDpiAware();
    found->second();
    const int failures = vorrith::e2e::FailureCount();
    std::printf("%s: %s\n", argv[1], failures == 0 ? "passed" : "FAILED");
    return failures == 0 ? 0 : 1;
}
