#include "win32/file_replacement_win32.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

#include "win32/system_error_text_win32.h"

namespace vorrith {
namespace {

// Attributes a replacement takes over from the file it replaces.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
constexpr int kNameAttempts = 100;

FileReplaceResult Failure(DWORD error) { return {false, SystemErrorText(error)}; }

std::wstring Widen(const std::string& text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(std::wcslen(wide.c_str()));
    return wide;
}

// The full path in the \\?\ form, which lifts the MAX_PATH limit of every call below.
std::wstring ExtendedPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    full.resize(std::wcslen(full.c_str()));
    if (full.compare(0, 4, L"\\\\?\\") == 0) return full;
    if (full.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

// ".vorrith-" and six hexadecimal digits that differ between processes and attempts.
std::wstring TemporaryName(int attempt) {
    const DWORD mixed =
        (GetCurrentProcessId() * 2654435761u) ^ (GetTickCount() * 40503u) ^ static_cast<DWORD>(attempt * 2246822519u);
    wchar_t digits[8];
    swprintf(digits, 8, L"%06lx", static_cast<unsigned long>(mixed & 0xFFFFFF));
    return Widen(kTemporaryFilePrefix) + digits;
}

// Creates the temporary file beside the destination; never opens an existing one.
HANDLE CreateTemporaryFile(const std::wstring& folder, std::wstring& path, DWORD& error) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path = folder + L"\\" + TemporaryName(attempt);
        const HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    return INVALID_HANDLE_VALUE;
}

// Writes, flushes to the disk and closes; 0 or the error.
DWORD Fill(HANDLE file, const std::vector<uint8_t>& bytes) {
    DWORD error = 0;
    size_t done = 0;
    while (error == 0 && done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            error = GetLastError() != 0 ? GetLastError() : ERROR_WRITE_FAULT;
        }
        done += written;
    }
    if (error == 0 && !FlushFileBuffers(file)) error = GetLastError();
    if (!CloseHandle(file) && error == 0) error = GetLastError();
    return error;
}

// An existing file is replaced with ReplaceFileW, which gives the new file the old one's
// owner, access list, alternate streams and creation time; where the volume cannot do
// that (some network shares, file systems without those), a plain rename over it still
// saves the picture. A new file is simply renamed into place.
DWORD PutInPlace(const std::wstring& temporary, const std::wstring& target, bool replacing) {
    if (replacing && ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, 0, nullptr, nullptr)) return 0;
    if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
    return GetLastError();
}

}  // namespace

FileReplaceResult ReplaceFileSafelyWin32(const std::string& destination, const std::vector<uint8_t>& bytes) {
    return ReplaceFileSafelyWin32(Widen(destination), bytes);
}

FileReplaceResult ReplaceFileSafelyWin32(const std::wstring& destination, const std::vector<uint8_t>& bytes) {
    const std::wstring target = ExtendedPath(destination);
    const DWORD oldAttributes = GetFileAttributesW(target.c_str());
    // A folder cannot be replaced, and a read-only file is one the user asked to keep
    // (refused here before anything is written, as not every system's rename refuses it).
    if (oldAttributes != INVALID_FILE_ATTRIBUTES &&
        (oldAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
        return Failure(ERROR_ACCESS_DENIED);
    }
    const size_t slash = target.find_last_of(L'\\');
    std::wstring temporary;
    DWORD error = 0;
    const HANDLE file = CreateTemporaryFile(target.substr(0, slash), temporary, error);
    if (file == INVALID_HANDLE_VALUE) return Failure(error);
    error = Fill(file, bytes);
    if (error == 0 && oldAttributes != INVALID_FILE_ATTRIBUTES && (oldAttributes & kKeptAttributes) != 0 &&
        !SetFileAttributesW(temporary.c_str(), oldAttributes & kKeptAttributes)) {
        error = GetLastError();
    }
    if (error == 0) error = PutInPlace(temporary, target, oldAttributes != INVALID_FILE_ATTRIBUTES);
    if (error == 0) return {};
    SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);  // a hidden or system file must go too
    DeleteFileW(temporary.c_str());
    return Failure(error);
}

}  // namespace vorrith
