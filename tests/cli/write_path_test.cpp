// How the renderer replaces files, tried as a hostile neighbour and a careless user
// would: every row is a way the promise "an existing file is replaced only by a complete
// new one, and nothing else is touched" was once found broken.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <vector>

#include "tests/cli/render_runner.h"
#include "tests/support/scratch_folder.h"

namespace vorrith {
namespace {

namespace fs = std::filesystem;

struct WriteCase {
    const char* what;
    std::function<void(const fs::path&)> prepare;
    std::string arguments;  // shell words after the program, run in the folder
    std::function<void(const fs::path&)> check;
    std::string leftovers;  // LeftoverFiles afterwards: what prepare made that is kept
};

void WriteText(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }

fs::perms Permissions(const fs::path& path) {
    std::error_code error;
    return fs::status(path, error).permissions() & fs::perms::mask;
}

uintmax_t SizeOf(const fs::path& path) {
    std::error_code error;
    return fs::file_size(path, error);
}

const std::string kLongestName = std::string(251, 'n') + ".bmp";  // 255 bytes: the limit of most file systems

std::vector<WriteCase> Cases() {
    return {
        {"links planted at the old temporary name and at the destination are not followed",
         [](const fs::path& f) {
             WriteText(f / "victim", "mine");
             fs::create_symlink("victim", f / "Vorrith8.Bmp.partial");
             fs::create_symlink("victim", f / "Vorrith9.Bmp");
         },
         "8 9",
         [](const fs::path& f) {
             EXPECT_EQ(ReadWholeFile(f / "victim"), "mine");
             EXPECT_TRUE(fs::is_symlink(f / "Vorrith8.Bmp.partial"));
             EXPECT_FALSE(fs::is_symlink(f / "Vorrith9.Bmp"));  // the link itself is replaced
         },
         "Vorrith8.Bmp.partial victim "},
        {"a 255-byte name is written, with the default permissions less the umask",
         nullptr, "-o " + kLongestName + " 5",
         [](const fs::path& f) {
             EXPECT_EQ(SizeOf(f / kLongestName), kPictureFileSize);
             EXPECT_EQ(Permissions(f / kLongestName), fs::perms(0640));
         },
         kLongestName + " "},
        {"a user's own NAME.partial is never touched",
         [](const fs::path& f) { WriteText(f / "Vorrith9.Bmp.partial", "mine"); }, "9",
         [](const fs::path& f) { EXPECT_EQ(ReadWholeFile(f / "Vorrith9.Bmp.partial"), "mine"); },
         "Vorrith9.Bmp.partial "},
        {"the replaced file's permission bits are kept",
         [](const fs::path& f) {
             WriteText(f / "Vorrith5.Bmp", "old");
             fs::permissions(f / "Vorrith5.Bmp", fs::perms(0600));
         },
         "5", [](const fs::path& f) { EXPECT_EQ(Permissions(f / "Vorrith5.Bmp"), fs::perms(0600)); }, ""},
    };
}

TEST(WritePathTest, FilesAreReplacedSafely) {
    for (const WriteCase& row : Cases()) {
        SCOPED_TRACE(row.what);
        ScratchFolder scratch("write");
        if (row.prepare) row.prepare(scratch.path());
        const RenderRun run = RunRender(row.arguments, scratch.path(), "umask 027;");
        EXPECT_EQ(run.exitCode, 0) << run.output;
        row.check(scratch.path());
        EXPECT_EQ(LeftoverFiles(scratch.path()), row.leftovers);
    }
}

}  // namespace
}  // namespace vorrith
