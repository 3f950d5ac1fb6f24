// The save dialog's rules: the file types Save As offers, in the form the system's
// save dialog reads (NUL-ended strings in pairs of a display name that shows its
// pattern and a pattern "*.EXT", ended by an empty string), the extension a typed name
// without one gets, and what the dialog's answer means.
#pragma once

#include <cstdint>
#include <string>

namespace vorrith {

constexpr wchar_t kBmpFileFilter[] = L"Windows BMP File (*.BMP)\0*.BMP\0";
constexpr wchar_t kBmpDefaultExtension[] = L"bmp";

// The save dialog's error for a chosen name longer than the buffer it was given.
constexpr uint32_t kSaveNameTooLongError = 0x3003;

enum class SaveDialogAction { kSave, kCancelled, kReportFailure };
struct SaveDialogOutcome {
    SaveDialogAction action;
    std::string reason;  // for kReportFailure, the sentence after "Save failed."
};

// The dialog's result (true: a name was chosen) and, when false, its extended error:
// 0 is Cancel; anything else, a name too long for the buffer among them, is a save
// that did not happen and is reported, never taken for Cancel.
SaveDialogOutcome JudgeSaveDialog(bool chosen, uint32_t extendedError);

}  // namespace vorrith
