// The safe file replacement of core/file_replacement.h with Win32 calls: CreateFileW
// with CREATE_NEW beside the destination, WriteFile, FlushFileBuffers, the old file's
// attributes, ReplaceFileW over an existing file (MoveFileExW where it cannot). Paths go through the \\?\ form,
// so a temporary name never fails for being longer than MAX_PATH.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/file_replacement.h"

namespace vorrith {

// destination is in UTF-8 or wide, so that a name in any script reaches the file
// system whole.
FileReplaceResult ReplaceFileSafelyWin32(const std::string& destination, const std::vector<uint8_t>& bytes);
FileReplaceResult ReplaceFileSafelyWin32(const std::wstring& destination, const std::vector<uint8_t>& bytes);

}  // namespace vorrith
