// Save As through the real save dialog: it proposes Vorrith12345.Bmp, and the file it
// writes is byte for byte the renderer's file of the same picture, replacing an older
// file of the same name after the user agreed; a file that cannot be replaced is
// reported with "Save failed." and the reason, and is kept whole; a folder named in any
// script takes a typed name, which gets ".bmp".
#include <cstdio>

#include "tests/e2e/config_dialog_support.h"

using namespace vorrith::e2e;

namespace {

// The save dialog's file-name box: an edit in some versions, a combo box in others.
constexpr int kFileNameEdit = 0x480;
constexpr int kFileNameCombo = 0x47c;

std::string CurrentFolder() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

size_t FolderEntries() {
    size_t count = 0;
    WIN32_FIND_DATAA entry;
    const HANDLE find = FindFirstFileA((CurrentFolder() + "\\*").c_str(), &entry);
    while (find != INVALID_HANDLE_VALUE) {
        ++count;
        if (!FindNextFileA(find, &entry)) break;
    }
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    return count;
}

HWND FileNameBox(HWND saveDialog) {
    const HWND edit = GetDlgItem(saveDialog, kFileNameEdit);
    return edit != nullptr ? edit : GetDlgItem(saveDialog, kFileNameCombo);
}

// Another dialog of the process with the save dialog's title: the overwrite question.
HWND WaitForOverwriteQuestion(DWORD processId, HWND saveDialog) {
    HWND question = nullptr;
    WaitUntil(
        [&] {
            const HWND found = WaitForProcessDialog(processId, "Save As", 0);
            question = found != saveDialog ? found : nullptr;
            if (question == nullptr) {
                for (HWND w : VisibleWindowsOf(processId)) {
                    if (w != saveDialog && GetWindow(w, GW_OWNER) == saveDialog) question = w;
                }
            }
            return question != nullptr;
        },
        kDialogWaitMs);
    return question;
}

// Asks Save As for fileName and returns the save dialog, already closed by OK.
HWND SaveAs(ConfigDialog& dialog, const std::string& fileName, const std::string& proposed) {
    ClickButton(dialog.window, IDC_SAVE_AS);
    const HWND save = WaitForProcessDialog(dialog.program.processId, "Save As", kDialogWaitMs);
    if (save == nullptr) return nullptr;
    const HWND box = FileNameBox(save);
    CHECK(AskedText(box) == proposed);
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()));
    ClickButton(save, IDOK);
    return save;
}

// Reads a whole file by its wide name; empty when it cannot be read.
std::vector<BYTE> ReadWholeFileW(const std::wstring& path) {
    std::vector<BYTE> bytes;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    BYTE chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    CloseHandle(file);
    return bytes;
}

// A folder named in Greek and Cyrillic, outside every ANSI code page, and a name typed
// without extension: the picture lands there as "sky.bmp".
void CheckSaveIntoAnyScript(ConfigDialog& dialog, const std::vector<BYTE>& expected) {
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    const std::wstring folder = std::wstring(current) + L"\\probe-\u03A9mega-\u0416\u0438\u0432";
    CreateDirectoryW(folder.c_str(), nullptr);
    ClickButton(dialog.window, IDC_SAVE_AS);
    const HWND save = WaitForProcessDialog(dialog.program.processId, "Save As", kDialogWaitMs);
    REQUIRE(save != nullptr);
    SendMessageW(FileNameBox(save), WM_SETTEXT, 0, reinterpret_cast<LPARAM>((folder + L"\\sky").c_str()));
    ClickButton(save, IDOK);
    CHECK(WaitUntil([&] { return ReadWholeFileW(folder + L"\\sky.bmp") == expected; }, kDialogWaitMs));
    CHECK(WaitForProcessDialog(dialog.program.processId, "Error", 0) == nullptr);
    DeleteFileW((folder + L"\\sky.bmp").c_str());
    RemoveDirectoryW(folder.c_str());
}

// A read-only file cannot be replaced: the user agrees to replace it, the save fails
// with the system's reason, and the old file stays whole with nothing left beside it.
void CheckFailedSaveIsReported(ConfigDialog& dialog) {
    const std::string target = CurrentFolder() + "\\kept-12345.bmp";
    if (FILE* old = std::fopen(target.c_str(), "wb")) {
        std::fputs("a file the user keeps", old);
        std::fclose(old);
    }
    const std::vector<BYTE> kept = ReadWholeFile(target);
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    const size_t entriesBefore = FolderEntries();
    const HWND save = SaveAs(dialog, target, "Vorrith12345.Bmp");
    REQUIRE(save != nullptr);
    // The question may itself be captioned "Error" (it is under Wine): it must be gone
    // before the save's own message is looked for.
    const HWND question = WaitForOverwriteQuestion(dialog.program.processId, save);
    REQUIRE(question != nullptr);
    ClickButton(question, IDYES);
    CHECK(WaitUntil([&] { return !IsWindow(question); }, kDialogWaitMs));
    const HWND error = WaitForProcessDialog(dialog.program.processId, "Error", kDialogWaitMs);
    REQUIRE(error != nullptr);
    const std::string text = StaticTexts(error);
    CHECK(text.rfind("Save failed.", 0) == 0);
    CHECK(text.size() > std::string("Save failed.").size() + 2);  // and why
    ClickButton(error, IDOK);
    CHECK(WaitUntil([&] { return !IsWindow(error); }, kDialogWaitMs));
    CHECK(ReadWholeFile(target) == kept);
    CHECK(FolderEntries() == entriesBefore);
    CHECK(WindowText(dialog.window) == "Image 12345 - Vorrith 1.80");
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(target.c_str());
}

}  // namespace

E2E_SCENARIO(config_save_as_e2e) {
    const std::string target = CurrentFolder() + "\\saved-12345.bmp";
    if (FILE* old = std::fopen(target.c_str(), "wb")) {
        std::fputs("an older file of the same name", old);
        std::fclose(old);
    }
    const std::vector<BYTE> expected = ReadWholeFile(ReferenceBmpName(12345));
    REQUIRE(expected.size() == 921654);

    ConfigDialog dialog = OpenConfigDialog();
    REQUIRE(dialog.window != nullptr);
    CHECK(DrawAndWaitForTitle(dialog.window, IDC_DRAW, 12345) == "Image 12345 - Vorrith 1.80");

    const HWND save = SaveAs(dialog, target, "Vorrith12345.Bmp");
    if (save == nullptr) EndProgram(dialog.program);
    REQUIRE(save != nullptr);

    const HWND question = WaitForOverwriteQuestion(dialog.program.processId, save);
    CHECK(question != nullptr);
    if (question != nullptr) ClickButton(question, IDYES);
    CHECK(WaitUntil([&] { return ReadWholeFile(target) == expected; }, kDialogWaitMs));
    CHECK(WaitUntil([&] { return !IsWindow(save); }, kDialogWaitMs));
    CHECK(WaitForProcessDialog(dialog.program.processId, "Error", 0) == nullptr);
    CheckFailedSaveIsReported(dialog);
    CheckSaveIntoAnyScript(dialog, expected);
    CloseConfigDialog(dialog);
}
