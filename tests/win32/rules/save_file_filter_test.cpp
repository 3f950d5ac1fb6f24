#include "win32/rules/save_file_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorrith {
namespace {

TEST(SaveFileFilter, PairsOfNameAndPatternEndedByAnEmptyEntry) {
    std::vector<std::wstring> entries;
    const wchar_t* end = kBmpFileFilter + sizeof kBmpFileFilter / sizeof kBmpFileFilter[0];
    const wchar_t* p = kBmpFileFilter;
    for (; p < end && *p != '\0'; p += entries.back().size() + 1) entries.emplace_back(p);
    ASSERT_LT(p, end) << "no empty entry ends the filter";
    ASSERT_FALSE(entries.empty());
    ASSERT_EQ(entries.size() % 2, 0u);
    for (size_t i = 0; i < entries.size(); i += 2) {
        const std::wstring& pattern = entries[i + 1];
        EXPECT_EQ(pattern.rfind(L"*.", 0), 0u);
        EXPECT_NE(entries[i].find(L"(" + pattern + L")"), std::wstring::npos);
    }
    EXPECT_NE(std::wstring(kBmpFileFilter).find(L"BMP"), std::wstring::npos);
}

// A name too long for the buffer once looked like Cancel: nothing saved, nothing said.
TEST(JudgeSaveDialog, OnlyAnExtendedErrorOfZeroIsCancel) {
    const struct {
        bool chosen;
        uint32_t error;
        SaveDialogAction action;
        const char* reason;
    } cases[] = {
        {true, 0, SaveDialogAction::kSave, ""},
        {false, 0, SaveDialogAction::kCancelled, ""},
        {false, kSaveNameTooLongError, SaveDialogAction::kReportFailure, "The file name is too long."},
        {false, 0xFFFF, SaveDialogAction::kReportFailure, "The save dialog failed (error 0xFFFF)."},
    };
    for (const auto& c : cases) {
        const SaveDialogOutcome outcome = JudgeSaveDialog(c.chosen, c.error);
        EXPECT_EQ(outcome.action, c.action) << c.error;
        EXPECT_EQ(outcome.reason, c.reason) << c.error;
    }
}

}  // namespace
}  // namespace vorrith
