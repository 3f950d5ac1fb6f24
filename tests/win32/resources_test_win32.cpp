// The resources compiled into Vorrith.scr, read from the built program as a data file.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "resources/resource_ids.h"
#include "tests/win32/program_resources_fixture.h"

namespace vorrith {
namespace {

TEST_F(ProgramResourcesTest, StringTableNamesTheProductAndTitles) {
    EXPECT_EQ(String(IDS_PRODUCT_NAME), "Vorrith");
    EXPECT_EQ(String(IDS_IMAGE_TITLE), "Image %d - Vorrith 1.80");
    EXPECT_EQ(String(IDS_DIALOG_TITLE), "Vorrith 1.80");
}

TEST_F(ProgramResourcesTest, IconHasThirtyTwoAndSixteenPixelImages) {
    const std::string group = Resource(MAKEINTRESOURCEA(IDI_VORRITH), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u + 2 * 14u);
    EXPECT_EQ(group[4], 2);  // two images
    EXPECT_EQ(static_cast<unsigned char>(group[6]), 32u);
    EXPECT_EQ(static_cast<unsigned char>(group[6 + 14]), 16u);
}

TEST_F(ProgramResourcesTest, VersionIsOneEightyWithTheProductName) {
    const std::string version = Resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));  // RT_VERSION
    const DWORD signature = 0xFEEF04BD;
    const size_t at = version.find(std::string(reinterpret_cast<const char*>(&signature), 4));
    ASSERT_NE(at, std::string::npos);
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, version.data() + at, sizeof fixed);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010050u);  // 1.80
    EXPECT_EQ(fixed.dwFileVersionLS, 0u);
    EXPECT_EQ(fixed.dwProductVersionMS, 0x00010050u);
    const std::wstring product = L"Vorrith Screensaver";
    const std::string productBytes(reinterpret_cast<const char*>(product.c_str()), product.size() * sizeof(wchar_t));
    EXPECT_NE(version.find(productBytes), std::string::npos);
}

}  // namespace
}  // namespace vorrith
