// The safe replacement fed band by band: the bands arrive in order, and a producer that
// fails part way leaves the old file whole, no temporary file behind, and its own cause.
#include "posix/safe_file_replacement.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vorrith
