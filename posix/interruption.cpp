#include "posix/interruption.h"

#include <unistd.h>

#include <cstring>

#include "posix/safe_file_replacement.h"

namespace vorrith {
namespace {

volatile sig_atomic_t caughtSignal = 0;
const char* volatile farewellLine = nullptr;

// A program started with SIGINT ignored (a background job of a shell script) keeps it
// ignored throughout, in its workers too: read before the first handler replaces it.
bool InterruptIgnoredOnEntry() {
    static const bool ignored = [] {
        struct sigaction entry {};
        sigaction(SIGINT, nullptr, &entry);
        return entry.sa_handler == SIG_IGN;
    }();
    return ignored;
}

// The signals that interrupt: SIGTERM, and SIGINT unless it was ignored on entry (held
// blocked, an ignored SIGINT would wait as pending and be taken for an interruption).
sigset_t InterruptionSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    if (!InterruptIgnoredOnEntry()) sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

void Install(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaddset(&action.sa_mask, SIGINT);
    sigaddset(&action.sa_mask, SIGTERM);
    if (!InterruptIgnoredOnEntry()) sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void RecordSignal(int signal) {
    if (caughtSignal == 0) caughtSignal = signal;
}

// Ends by the signal itself once the handler returns, so the parent sees what ended it.
void EndProcess(int signal) {
    RemoveTemporaryFileNow();
    if (farewellLine != nullptr) {
        const ssize_t ignored = write(STDERR_FILENO, farewellLine, strlen(farewellLine));
        (void)ignored;
    }
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigaction(signal, &fallback, nullptr);
    kill(getpid(), signal);
}

}  // namespace

SignalsHeld::SignalsHeld() {
    const sigset_t signals = InterruptionSignals();
    sigprocmask(SIG_BLOCK, &signals, &previous_);
}

SignalsHeld::~SignalsHeld() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }

void CatchInterruptions() {
    const sigset_t signals = InterruptionSignals();
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    Install(RecordSignal);
}

sigset_t WaitMask() {
    sigset_t mask;
    sigprocmask(SIG_BLOCK, nullptr, &mask);
    sigdelset(&mask, SIGINT);
    sigdelset(&mask, SIGTERM);
    return mask;
}

int CaughtInterruption() { return caughtSignal; }

void CollectPendingInterruption() {
    const sigset_t signals = InterruptionSignals();
    const timespec noWait{};
    const int signal = sigtimedwait(&signals, nullptr, &noWait);
    if (signal > 0) RecordSignal(signal);
}

bool InterruptionUnderway() {
    sigset_t pending;
    sigpending(&pending);
    return caughtSignal != 0 || sigismember(&pending, SIGINT) == 1 || sigismember(&pending, SIGTERM) == 1;
}

void EndOnInterruptionSaying(const char* farewell) {
    farewellLine = farewell;
    EndOnInterruption();
}

void IgnoreInterruptions() { Install(SIG_IGN); }

void EndOnInterruption() {
    Install(EndProcess);
    const sigset_t signals = InterruptionSignals();
    sigprocmask(SIG_UNBLOCK, &signals, nullptr);
}

}  // namespace vorrith
