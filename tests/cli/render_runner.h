// Runs vorrith-render as a user would, for the tests of its command line, its files and
// its signals. VORRITH_RENDER in the environment names another build to test (an older
// one, to see a test fail there).
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>

namespace vorrith {

std::string RenderProgram();

struct RenderRun {
    std::optional<int> exitCode;  // none when the shell did not exit normally
    std::string output;           // stdout and stderr together
};

// Runs "PROGRAM arguments" by the shell in folder, after the shell words of before.
RenderRun RunRender(const std::string& arguments, const std::filesystem::path& folder, const std::string& before = "");

// Files in folder that are not complete pictures named VorrithN.Bmp, names sorted.
std::string LeftoverFiles(const std::filesystem::path& folder);

std::string ReadWholeFile(const std::filesystem::path& path);

constexpr size_t kPictureFileSize = 921654;

}  // namespace vorrith
