#include "saver/picture_browser.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/bmp_writer.h"
#include "core/canvas.h"
#include "tests/support/fake_clock.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

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

// Save As hands the platform's file replacement the very bytes the renderer writes.
struct RecordedSave {
    std::string destination;
    std::vector<uint8_t> bytes;
};
RecordedSave lastSave;

FileReplaceResult RecordSave(const std::string& destination, const std::vector<uint8_t>& bytes) {
    lastSave = {destination, bytes};
    return {false, "the disk is full"};
}

class PictureBrowserTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenPictureBrowser()); }
    void TearDown() override { ClosePictureBrowser(); }
};

TEST_F(PictureBrowserTest, OpensWithoutAPictureAndForgetsTheLastPeriod) {
    EXPECT_FALSE(HasBrowserPicture());
    DrawBrowserPicture(3);
    ClosePictureBrowser();
    ASSERT_TRUE(OpenPictureBrowser());
    EXPECT_EQ(DialogImageNumber, -1);
    EXPECT_FALSE(HasBrowserPicture());
}

TEST_F(PictureBrowserTest, DrawnPictureIsThePictureOfItsNumber) {
    EXPECT_EQ(DrawBrowserPicture(12345), 12345);
    EXPECT_EQ(DialogImageNumber, 12345);
    EXPECT_TRUE(HasBrowserPicture());
    const uint64_t shown = CanvasHash();
    RenderPicture(12345);
    EXPECT_EQ(CanvasHash(), shown);
}

TEST_F(PictureBrowserTest, RandomPictureTakesItsNumberFromTheClock) {
    InstalledFakeClock clock(74565);
    EXPECT_EQ(DrawBrowserPicture(-1), 5402);
    EXPECT_EQ(DialogImageNumber, 5402);
    // Draw with the number now in the title does nothing.
    EXPECT_EQ(DecideTypedDraw("5402", DialogImageNumber).action, TypedDrawAction::kKeepPicture);
}

TEST_F(PictureBrowserTest, WithoutCanvasNothingIsDrawnUntilItCanBeMade) {
    DrawBrowserPicture(8);
    ClosePictureBrowser();
    EXPECT_EQ(DrawBrowserPicture(9), 8);
    EXPECT_FALSE(HasBrowserPicture());
    EXPECT_FALSE(SaveBrowserPicture("none.bmp", RecordSave).ok);
    ASSERT_TRUE(EnsureBrowserCanvas());
    EXPECT_TRUE(EnsureBrowserCanvas());
    EXPECT_EQ(DrawBrowserPicture(9), 9);
}

TEST_F(PictureBrowserTest, SavesTheShownPictureAsTheRendererWouldWriteIt) {
    lastSave = {};
    EXPECT_FALSE(SaveBrowserPicture("early.bmp", RecordSave).ok);
    EXPECT_EQ(lastSave.destination, "");  // no picture yet: nothing is written
    DrawBrowserPicture(12345);
    const FileReplaceResult result = SaveBrowserPicture("Vorrith12345.Bmp", RecordSave);
    EXPECT_EQ(result.reason, "the disk is full");  // the platform's reason reaches the dialog
    EXPECT_EQ(lastSave.destination, "Vorrith12345.Bmp");
    EXPECT_EQ(lastSave.bytes, EncodeBmp(Canvas));
}

// The desktop background: refused without a picture and for a screen size no picture
// can be made at; at the picture's own size it is the saved file itself.
TEST_F(PictureBrowserTest, WallpaperIsTheShownPictureAtTheScreensSize) {
    EXPECT_TRUE(MakeBrowserWallpaper({1024, 768}).bmp.empty());
    DrawBrowserPicture(12345);
    for (const PictureSize refused : {PictureSize{0, 768}, PictureSize{1024, -1}, PictureSize{20000, 768}}) {
        const WallpaperPicture wallpaper = MakeBrowserWallpaper(refused);
        EXPECT_TRUE(wallpaper.bmp.empty());
        EXPECT_NE(wallpaper.failure, "");
    }
    EXPECT_EQ(MakeBrowserWallpaper({640, 480}).bmp, EncodeBmp(Canvas));
    EXPECT_EQ(MakeBrowserWallpaper({1366, 768}).bmp.size(), size_t{kBmpHeadersSize} + size_t{768} * BmpRowBytes(1366));  // padded rows
}

}  // namespace
}  // namespace vorrith
