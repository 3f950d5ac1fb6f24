// RenderThread: the thread procedure of the saver window's render thread. It draws
// through a device context of its own and never waits for the window's thread, so the
// window can join it synchronously when it closes.
#pragma once

#include <windows.h>

#include "present/render_runner.h"

namespace vorrith {

// What the render thread is started with. wake is an event the window's thread sets
// after setting the stop bit, so that a sleeping thread ends at once; without one the
// thread still sees the stop bit within one hold poll.
struct RenderThreadStart {
    RenderParams* params;
    HANDLE wake;
};

// parameter: a RenderThreadStart that outlives the thread. Returns 0 once the stop bit
// was seen.
DWORD WINAPI RenderThread(LPVOID parameter);

}  // namespace vorrith
