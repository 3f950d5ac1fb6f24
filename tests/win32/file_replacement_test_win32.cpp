// Save As's file replacement under Windows rules: every row is a way the dialog lost or
// refused a picture before (the old file removed before the rename, both lost when the
// rename then failed; a temporary suffix that pushed a valid path past MAX_PATH; a
// failure without its reason).
#include "win32/file_replacement_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vorrith {
namespace {

// A fresh folder under the temporary folder, emptied and removed afterwards.
class ScratchFolderW {
public:
    ScratchFolderW() {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        path_ = std::string(base) + "vorrith-save-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount());
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolderW() { RemoveTree("\\\\?\\" + path_); }
    const std::string& path() const { return path_; }

    static void RemoveTree(const std::string& folder) {
        WIN32_FIND_DATAA entry;
        const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
        while (find != INVALID_HANDLE_VALUE) {
            const std::string name = entry.cFileName;
            const std::string path = folder + "\\" + name;
            if (name != "." && name != "..") {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(path);
                } else {
                    DeleteFileA(path.c_str());
                }
            }
            if (!FindNextFileA(find, &entry)) break;
        }
        if (find != INVALID_HANDLE_VALUE) FindClose(find);
        RemoveDirectoryA(folder.c_str());
    }

private:
    std::string path_;
};

std::wstring Wide(const std::string& utf8) {
    std::wstring wide(utf8.size() + 1, L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), static_cast<int>(utf8.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

std::string Read(const std::string& path) {
    const HANDLE file = CreateFileW((L"\\\\?\\" + Wide(path)).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(missing)";
    std::string text(1 << 16, '\0');
    DWORD got = 0;
    ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &got, nullptr);
    CloseHandle(file);
    text.resize(got);
    return text;
}

void Write(const std::string& path, const std::string& text, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    SetFileAttributesA(path.c_str(), attributes);
}

size_t EntriesIn(const std::string& folder) {
    size_t count = 0;
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((L"\\\\?\\" + Wide(folder) + L"\\*").c_str(), &entry);
    while (find != INVALID_HANDLE_VALUE) {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") ++count;
        if (!FindNextFileW(find, &entry)) break;
    }
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    return count;
}

// A folder whose full path is `length` characters long, made of nested parts.
std::string FolderOfLength(const std::string& base, size_t length) {
    std::string folder = base;
    while (folder.size() < length) {
        const size_t part = std::min<size_t>(60, length - folder.size() - 1);
        folder += "\\" + std::string(part, 'd');
        CreateDirectoryA(("\\\\?\\" + folder).c_str(), nullptr);
    }
    return folder;
}

struct SaveCase {
    int failure;
    const char* what;
    // Makes the destination in the scratch folder and returns it.
    std::function<std::string(const std::string& folder)> prepare;
    bool saved;
    std::function<void(const std::string& destination)> check;
};

const std::vector<uint8_t> kPicture = {'B', 'M', 'n', 'e', 'w'};
const std::string kNewText(kPicture.begin(), kPicture.end());

TEST(FileReplacementWin32Test, SaveAsKeepsEitherPictureWhole) {
    const SaveCase cases[] = {
        {13, "a read-only file is kept whole and the reason given",
         [](const std::string& f) {
             Write(f + "\\kept.bmp", "old picture", FILE_ATTRIBUTE_READONLY);
             return f + "\\kept.bmp";
         },
         false, [](const std::string& d) { EXPECT_EQ(Read(d), "old picture"); }},
        {13, "a name that MAX_PATH allows, in a folder where a temporary name would not fit",
         [](const std::string& f) { return FolderOfLength(f, 245) + "\\p1234567.bmp"; }, true,
         [](const std::string& d) {
             EXPECT_LT(d.size(), size_t{MAX_PATH});
             EXPECT_EQ(Read(d), kNewText);
         }},
        {0, "a Greek and Cyrillic folder deeper than MAX_PATH, outside any ANSI code page",
         [](const std::string& f) {
             const std::string folder = FolderOfLength(f, 245) + "\\probe-\xCE\xA9mega-\xD0\x96\xD0\xB8\xD0\xB2";
             CreateDirectoryW((L"\\\\?\\" + Wide(folder)).c_str(), nullptr);
             return folder + "\\\xCE\xB1.bmp";
         },
         true, [](const std::string& d) { EXPECT_EQ(Read(d), kNewText); }},
        {13, "an existing file is replaced whole and stays hidden",
         [](const std::string& f) {
             Write(f + "\\hidden.bmp", "old picture", FILE_ATTRIBUTE_HIDDEN);
             return f + "\\hidden.bmp";
         },
         true,
         [](const std::string& d) {
             EXPECT_EQ(Read(d), kNewText);
             EXPECT_NE(GetFileAttributesA(d.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
         }},
    };
    for (const SaveCase& row : cases) {
        SCOPED_TRACE("failure " + std::to_string(row.failure) + ": " + row.what);
        ScratchFolderW scratch;
        const std::string destination = row.prepare(scratch.path());
        const std::string folder = destination.substr(0, destination.rfind('\\'));
        const size_t entriesBefore = EntriesIn(folder);
        const FileReplaceResult result = ReplaceFileSafelyWin32(destination, kPicture);
        EXPECT_EQ(result.ok, row.saved) << result.reason;
        EXPECT_EQ(result.reason.empty(), row.saved) << result.reason;
        row.check(destination);
        EXPECT_EQ(EntriesIn(folder), std::max<size_t>(entriesBefore, 1));  // no temporary file is left
    }
}

}  // namespace
}  // namespace vorrith
