// How the renderer replaces files, tried as a hostile neighbour and a careless user
// would: every row is a way the promise "an existing file is replaced only by a complete
// new one, and nothing else is touched" was once found broken.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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
    std::string printed;    // in the output
    int exitCode = 0;
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

uid_t OwnerOf(const fs::path& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_uid : 0;
}

constexpr uid_t kOtherUser = 65534;

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
         "Vorrith8.Bmp.partial victim ", ""},
        {"a 255-byte name is written, with the default permissions less the umask", nullptr,
         "-o " + kLongestName + " 5",
         [](const fs::path& f) {
             EXPECT_EQ(SizeOf(f / kLongestName), kPictureFileSize);
             EXPECT_EQ(Permissions(f / kLongestName), fs::perms(0640));
         },
         kLongestName + " ", ""},
        {"a user's own NAME.partial is never touched",
         [](const fs::path& f) { WriteText(f / "Vorrith9.Bmp.partial", "mine"); }, "9",
         [](const fs::path& f) { EXPECT_EQ(ReadWholeFile(f / "Vorrith9.Bmp.partial"), "mine"); },
         "Vorrith9.Bmp.partial ", ""},
        {"the replaced file's permission bits are kept",
         [](const fs::path& f) {
             WriteText(f / "Vorrith5.Bmp", "old");
             fs::permissions(f / "Vorrith5.Bmp", fs::perms(0600));
         },
         "5", [](const fs::path& f) { EXPECT_EQ(Permissions(f / "Vorrith5.Bmp"), fs::perms(0600)); }, "", ""},
        {"another user's file keeps its owner when root replaces it",
         [](const fs::path& f) {
             WriteText(f / "Vorrith5.Bmp", "old");
             if (geteuid() == 0) {
                 EXPECT_EQ(chown((f / "Vorrith5.Bmp").c_str(), kOtherUser, kOtherUser), 0);
             }
         },
         "5",
         [](const fs::path& f) { EXPECT_EQ(OwnerOf(f / "Vorrith5.Bmp"), geteuid() == 0 ? kOtherUser : geteuid()); }, "",
         ""},
        {"a read-only file is refused and left as it was, even by root",
         [](const fs::path& f) {
             WriteText(f / "kept.bmp", "old");
             fs::permissions(f / "kept.bmp", fs::perms(0444));
         },
         "-o kept.bmp 5", [](const fs::path& f) { EXPECT_TRUE(ReadWholeFile(f / "kept.bmp") == "old"); }, "kept.bmp ",
         "'kept.bmp': the file is read-only", 1},
        {"a link to a folder is refused, like a folder",
         [](const fs::path& f) {
             fs::create_directory(f / "folder");
             fs::create_symlink("folder", f / "link");
         },
         "-o link 5", [](const fs::path& f) { EXPECT_TRUE(fs::is_symlink(f / "link")); }, "folder link ",
         "'link': Is a directory", 1},
        {"a link of its own to the standard output is written through and stays a link",
         [](const fs::path& f) { fs::create_symlink("/dev/stdout", f / "out"); }, "-o out 5 | wc -c",
         [](const fs::path& f) { EXPECT_TRUE(fs::is_symlink(f / "out")); }, "out ", "921654\n"},
        {"the standard output's descriptor link is written through", nullptr, "-o /dev/fd/1 5 | wc -c",
         [](const fs::path&) {}, "", "921654\n"},
    };
}

TEST(WritePathTest, FilesAreReplacedSafely) {
    for (const WriteCase& row : Cases()) {
        SCOPED_TRACE(row.what);
        ScratchFolder scratch("write");
        if (row.prepare) row.prepare(scratch.path());
        const RenderRun run = RunRender(row.arguments, scratch.path(), "umask 027;");
        EXPECT_EQ(run.exitCode, row.exitCode) << run.output;
        EXPECT_NE(run.output.find(row.printed), std::string::npos) << run.output;
        row.check(scratch.path());
        EXPECT_EQ(LeftoverFiles(scratch.path()), row.leftovers);
    }
}

}  // namespace
}  // namespace vorrith
