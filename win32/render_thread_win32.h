// RenderThread: the thread procedure of the saver window's render thread. It draws
// through the window's own device context and never waits for the window's thread, so
// the window can join it synchronously when it closes.
#pragma once

#include <windows.h>

namespace vorrith {

// parameter: the saver window's RenderParams. Returns 0 once the stop bit was seen.
DWORD WINAPI RenderThread(LPVOID parameter);

}  // namespace vorrith
