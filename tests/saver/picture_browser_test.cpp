#include "saver/picture_browser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/bmp_writer.h"
#include "core/canvas.h"
#include "core/clock.h"
#include "tests/support/picture_fixture.h"
#include "tests/support/scratch_folder.h"

namespace vorrith {
namespace {

namespace fs = std::filesystem;

TEST(ImageNumberTextTest, ReadsLikeTheUsualDecimalRule) {
    EXPECT_EQ(ParseImageNumberText("12345"), 12345);
    EXPECT_EQ(ParseImageNumberText(""), 0);
    EXPECT_EQ(ParseImageNumberText("abc"), 0);
    EXPECT_EQ(ParseImageNumberText(" \t 42"), 42);
    EXPECT_EQ(ParseImageNumberText("+7"), 7);
    EXPECT_EQ(ParseImageNumberText("-1"), -1);
    EXPECT_EQ(ParseImageNumberText("12ab34"), 12);
    EXPECT_EQ(ParseImageNumberText("007"), 7);
}

// Text pasted or set from outside is not held to five digits: a long number must not
// wrap around into the valid range.
TEST(ImageNumberTextTest, HugeNumbersSaturateInsteadOfWrapping) {
    EXPECT_GT(ParseImageNumberText("4294967296"), 32767);
    EXPECT_GT(ParseImageNumberText("99999999999999999999999"), 32767);
    EXPECT_LT(ParseImageNumberText("-4294967296"), 0);
}

TEST(TypedDrawTest, RangeIsZeroTo32767) {
    EXPECT_EQ(DecideTypedDraw("0", -1).action, TypedDrawAction::kDrawPicture);
    EXPECT_EQ(DecideTypedDraw("32767", -1).action, TypedDrawAction::kDrawPicture);
    EXPECT_EQ(DecideTypedDraw("32768", -1).action, TypedDrawAction::kRejectNumber);
    EXPECT_EQ(DecideTypedDraw("-1", -1).action, TypedDrawAction::kRejectNumber);
    EXPECT_EQ(DecideTypedDraw("99999", 5).action, TypedDrawAction::kRejectNumber);
}

TEST(TypedDrawTest, EmptyBoxDrawsPictureZero) {
    const TypedDraw draw = DecideTypedDraw("", -1);
    EXPECT_EQ(draw.action, TypedDrawAction::kDrawPicture);
    EXPECT_EQ(draw.imageNumber, 0);
}

TEST(TypedDrawTest, NumberOfThePictureShownIsNotDrawnAgain) {
    EXPECT_EQ(DecideTypedDraw("12345", 12345).action, TypedDrawAction::kKeepPicture);
    EXPECT_EQ(DecideTypedDraw(" 012345", 12345).action, TypedDrawAction::kKeepPicture);
    const TypedDraw other = DecideTypedDraw("12346", 12345);
    EXPECT_EQ(other.action, TypedDrawAction::kDrawPicture);
    EXPECT_EQ(other.imageNumber, 12346);
}

class FixedClock : public MillisecondClock {
public:
    uint32_t Milliseconds() override { return 74565; }
};

class PictureBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenPictureBrowser());
    }
    void TearDown() override {
        ClosePictureBrowser();
        SetMillisecondClock(nullptr);
    }
    static std::vector<char> ReadFile(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    ScratchFolder scratch{"browser"};
    const fs::path folder = scratch.path();
};

TEST_F(PictureBrowserTest, OpensWithoutAPictureAndForgetsTheLastPeriod) {
    EXPECT_FALSE(HasBrowserPicture());
    DrawBrowserPicture(3);
    ClosePictureBrowser();
    ASSERT_TRUE(OpenPictureBrowser());
    EXPECT_EQ(dialogImageNumber, -1);
    EXPECT_FALSE(HasBrowserPicture());
}

TEST_F(PictureBrowserTest, DrawnPictureIsThePictureOfItsNumber) {
    EXPECT_EQ(DrawBrowserPicture(12345), 12345);
    EXPECT_EQ(dialogImageNumber, 12345);
    EXPECT_TRUE(HasBrowserPicture());
    const uint64_t shown = CanvasHash();
    RenderPicture(12345);
    EXPECT_EQ(CanvasHash(), shown);
}

TEST_F(PictureBrowserTest, RandomPictureTakesItsNumberFromTheClock) {
    FixedClock clock;
    SetMillisecondClock(&clock);
    EXPECT_EQ(DrawBrowserPicture(-1), 5402);
    EXPECT_EQ(dialogImageNumber, 5402);
    // Draw with the number now in the title does nothing.
    EXPECT_EQ(DecideTypedDraw("5402", dialogImageNumber).action, TypedDrawAction::kKeepPicture);
}

TEST_F(PictureBrowserTest, WithoutCanvasNothingIsDrawnUntilItCanBeMade) {
    DrawBrowserPicture(8);
    ClosePictureBrowser();
    EXPECT_EQ(DrawBrowserPicture(9), 8);
    EXPECT_FALSE(HasBrowserPicture());
    EXPECT_EQ(SaveBrowserPicture((folder / "none.bmp").string()), -3);
    ASSERT_TRUE(EnsureBrowserCanvas());
    EXPECT_TRUE(EnsureBrowserCanvas());
    EXPECT_EQ(DrawBrowserPicture(9), 9);
}

TEST_F(PictureBrowserTest, SavesTheShownPictureAsTheRendererWouldWriteIt) {
    EXPECT_EQ(SaveBrowserPicture((folder / "early.bmp").string()), -3);
    EXPECT_FALSE(fs::exists(folder / "early.bmp"));
    DrawBrowserPicture(12345);
    const fs::path saved = folder / "Vorrith12345.Bmp";
    ASSERT_EQ(SaveBrowserPicture(saved.string()), 0);
    const fs::path reference = folder / "reference.bmp";
    ASSERT_EQ(WriteBmp(canvas, reference.string()), 0);
    EXPECT_EQ(ReadFile(saved), ReadFile(reference));
}

TEST_F(PictureBrowserTest, SavingOverAFileReplacesItWhole) {
    const fs::path saved = folder / "picture.bmp";
    { std::ofstream(saved) << "an older, shorter file"; }
    DrawBrowserPicture(7);
    ASSERT_EQ(SaveBrowserPicture(saved.string()), 0);
    EXPECT_EQ(fs::file_size(saved), 921654u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(PictureBrowserTest, SaveIntoAMissingFolderFailsAndCreatesNothing) {
    DrawBrowserPicture(7);
    EXPECT_EQ(SaveBrowserPicture((folder / "missing" / "x.bmp").string()), -1);
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

}  // namespace
}  // namespace vorrith
