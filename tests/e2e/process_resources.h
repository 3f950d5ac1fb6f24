// What another process holds, for the runs that look for leaks: its kernel handles and
// its GDI objects, each 0 where this system cannot count them.
#pragma once

#include "tests/e2e/window_driver.h"

namespace vorrith::e2e {

// GetProcessHandleCount or, where that is a stub answering 0 (Wine), the program's
// entries in the system's list of handles.
DWORD KernelHandles(const Program& program);
// GetGuiResources or, where that is a stub answering 0 (Wine), the entries other than
// stock objects in the program's own GDI handle table.
DWORD GdiObjects(const Program& program);

}  // namespace vorrith::e2e
