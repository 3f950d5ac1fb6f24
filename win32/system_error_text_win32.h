// The system's own words for a Win32 error code, as the dialogs show a failure's reason.
#pragma once

#include <windows.h>

#include <string>

namespace vorrith {

// FormatMessage's text for error without the line break it ends with; "Error N." when
// the system has none.
std::string SystemErrorText(DWORD error);

}  // namespace vorrith
