#include "saver/abort_cleanup.h"

#include <csignal>
#include <cstdlib>
#include <exception>

namespace vorrith {
namespace {

void (*installedCleanup)() = nullptr;

void RunCleanup() {
    if (installedCleanup != nullptr) installedCleanup();
}

[[noreturn]] void CleanUpAndAbort() {
    RunCleanup();
    std::abort();
}

// abort goes on to end the process once the handler returns.
void CleanUpOnAbortSignal(int) { RunCleanup(); }

}  // namespace

void InstallAbortCleanup(void (*cleanup)()) {
    installedCleanup = cleanup;
    std::set_terminate(CleanUpAndAbort);
    std::signal(SIGABRT, CleanUpOnAbortSignal);
}

}  // namespace vorrith
