// The safe replacement fed band by band: the bands arrive in order, and a producer that
// fails part way leaves the old file whole, no temporary file behind, and its own cause.
// Its system calls come in the one order that keeps the old file or the new one whole.
#include "posix/safe_file_replacement.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace vorrith {
namespace {

namespace fs = std::filesystem;

struct StreamCase {
    const char* what;
    std::vector<std::string> bands;
    std::string cause;     // what the producer returns after its bands
    std::string expected;  // the destination's contents afterwards
};

TEST(SafeFileReplacementTest, ContentsArriveBandByBandOrNotAtAll) {
    const StreamCase cases[] = {
        {"bands of any size, one empty", {"abc", "", "defg"}, "", "abcdefg"},
        {"a producer that fails after a band", {"new"}, "the encoder gave up", "old"},
    };
    for (const StreamCase& row : cases) {
        SCOPED_TRACE(row.what);
        ScratchFolder scratch("stream");
        const fs::path destination = scratch.path() / "picture";
        std::ofstream(destination) << "old";
        const FileReplaceResult result = ReplaceFileSafely(destination, [&](DescriptorWriter& out) {
            for (const std::string& band : row.bands) out.Write(band.data(), band.size());
            return row.cause;
        });
        EXPECT_EQ(result.ok, row.cause.empty());
        EXPECT_EQ(result.reason, row.cause);
        std::ifstream in(destination, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), row.expected);
        EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator()), 1);
    }
}

// The calls made, in order, as words: "open EXCL NOFOLLOW", "fsync 5", "close 5", "rename".
std::vector<std::string> madeCalls;

int TracedOpen(const char* path, int flags, mode_t mode) {
    const int fd = SystemReplacementCalls().open(path, flags, mode);
    madeCalls.push_back(std::string("open") + ((flags & O_EXCL) ? " EXCL" : "") +
                        ((flags & O_NOFOLLOW) ? " NOFOLLOW" : "") + " -> " + std::to_string(fd));
    return fd;
}
int TracedFsync(int fd) {
    madeCalls.push_back("fsync " + std::to_string(fd));
    return fsync(fd);
}
int TracedClose(int fd) {
    madeCalls.push_back("close " + std::to_string(fd));
    return close(fd);
}
int TracedRename(const char* from, const char* to) {
    madeCalls.push_back("rename");
    return rename(from, to);
}

TEST(SafeFileReplacementTest, TemporaryFileIsExclusiveAndFlushedAndClosedBeforeTheRename) {
    ScratchFolder scratch("calls");
    madeCalls.clear();
    const ReplacementCalls system = UseReplacementCalls({TracedOpen, TracedFsync, TracedClose, TracedRename});
    const FileReplaceResult result = ReplaceFileSafely(scratch.path() / "picture", std::vector<uint8_t>{1, 2, 3});
    UseReplacementCalls(system);
    ASSERT_TRUE(result.ok) << result.reason;
    ASSERT_EQ(madeCalls.size(), 4u);
    const std::string fd = madeCalls[0].substr(madeCalls[0].rfind(' ') + 1);
    EXPECT_EQ(madeCalls,
              (std::vector<std::string>{"open EXCL NOFOLLOW -> " + fd, "fsync " + fd, "close " + fd, "rename"}));
}

}  // namespace
}  // namespace vorrith
