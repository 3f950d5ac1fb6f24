#include "win32/rules/save_file_filter.h"

#include <cstdio>

namespace vorrith {

SaveDialogOutcome JudgeSaveDialog(bool chosen, uint32_t extendedError) {
    if (chosen) return {SaveDialogAction::kSave, ""};
    if (extendedError == 0) return {SaveDialogAction::kCancelled, ""};
    if (extendedError == kSaveNameTooLongError) return {SaveDialogAction::kReportFailure, "The file name is too long."};
    char reason[64];
    std::snprintf(reason, sizeof reason, "The save dialog failed (error 0x%04X).",
                  static_cast<unsigned>(extendedError));
    return {SaveDialogAction::kReportFailure, reason};
}

}  // namespace vorrith
