#include "win32/rules/wallpaper_location.h"

#include <gtest/gtest.h>

namespace vorrith {
namespace {

// The folder's path comes from the system, with a closing backslash at a drive's root.
TEST(WallpaperLocation, OneBackslashBetweenTheFolderAndOurs) {
    EXPECT_EQ(WallpaperFile(L"C:\\Users\\Ana\\AppData\\Local"), L"C:\\Users\\Ana\\AppData\\Local\\Vorrith\\Wallpaper.bmp");
    EXPECT_EQ(WallpaperFolder(L"D:\\"), L"D:\\Vorrith");
}

}  // namespace
}  // namespace vorrith
