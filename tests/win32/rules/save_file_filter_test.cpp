#include "win32/rules/save_file_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorrith {
namespace {

TEST(SaveFileFilter, PairsOfNameAndPatternEndedByAnEmptyEntry) {
    std::vector<std::string> entries;
    const char* end = kBmpFileFilter + sizeof kBmpFileFilter;
    const char* p = kBmpFileFilter;
    for (; p < end && *p != '\0'; p += entries.back().size() + 1) entries.emplace_back(p);
    ASSERT_LT(p, end) << "no empty entry ends the filter";
    ASSERT_FALSE(entries.empty());
    ASSERT_EQ(entries.size() % 2, 0u);
    for (size_t i = 0; i < entries.size(); i += 2) {
        const std::string& pattern = entries[i + 1];
        EXPECT_EQ(pattern.rfind("*.", 0), 0u) << pattern;
        EXPECT_NE(entries[i].find("(" + pattern + ")"), std::string::npos) << entries[i];
    }
    EXPECT_NE(std::string(kBmpFileFilter).find("BMP"), std::string::npos);
}

}  // namespace
}  // namespace vorrith
