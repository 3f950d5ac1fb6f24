// Ctrl-C and SIGTERM while a program draws and writes files. Two ways to meet them:
//  - a supervising process (the renderer's parent of its workers) holds both signals
//    blocked except while it waits, so it notices them at one place, and passes them on;
//  - a process writing a file removes the temporary file it is writing and ends at once,
//    by the signal itself, so whoever started it sees what ended it.
#pragma once

#include <signal.h>

namespace vorrith {

// Blocks SIGINT and SIGTERM for its lifetime, then restores the previous mask: the
// steps inside cannot be cut in two by an interruption.
class SignalsHeld {
public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t previous_;
};

// Supervising: blocks SIGINT and SIGTERM and records them when they arrive while they
// are unblocked (see WaitMask). Call before starting the processes supervised.
void CatchInterruptions();
// The mask to wait with (pselect): the current one with SIGINT and SIGTERM open.
sigset_t WaitMask();
// The signal caught so far, or 0.
int CaughtInterruption();
// Records an interruption still waiting while the signals are held. pselect opens the
// mask only while it waits: when it returns at once with work ready, a signal that came
// meanwhile stays pending, and would go unseen if the wait was the last.
void CollectPendingInterruption();
// True once an interruption was caught or is waiting to be: Ctrl-C reaches every
// process at once, so a supervised process may end of it before its supervisor has seen
// its own.
bool InterruptionUnderway();

// Writing: SIGINT and SIGTERM remove the temporary file being written and end the
// process by that signal. Unblocks them.
void EndOnInterruption();
// The same, but the handler first writes farewell (kept, not copied) on standard error.
void EndOnInterruptionSaying(const char* farewell);
// Once the work is done (its file in place), a late interruption changes nothing: SIGINT
// and SIGTERM are ignored from then on, any pending one discarded.
void IgnoreInterruptions();

}  // namespace vorrith
