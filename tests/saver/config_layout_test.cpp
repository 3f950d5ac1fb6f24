#include "saver/config_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "core/canvas.h"

namespace vorrith {
namespace {

// The template's window before sizing: frame of 3 + 3 pixels, caption of 19 + 3.
constexpr DialogRect kTemplateWindow{0, 0, 444, 137};
constexpr DialogRect kTemplateClient{0, 0, 438, 112};

TEST(ConfigLayoutTest, ClientAreaBecomesThePictureCentredInTheWorkArea) {
    const WindowPlacement place = PlaceConfigDialog({0, 0, 1024, 740}, kTemplateWindow, kTemplateClient);
    EXPECT_EQ(place.width, 646);
    EXPECT_EQ(place.height, 505);
    EXPECT_EQ(place.x, (1024 - 646) / 2);
    EXPECT_EQ(place.y, (740 - 505) / 2);
}

TEST(ConfigLayoutTest, WorkAreaOffsetIsHonoured) {
    const WindowPlacement place = PlaceConfigDialog({100, 30, 1124, 770}, kTemplateWindow, kTemplateClient);
    EXPECT_EQ(place.x, 100 + (1024 - 646) / 2);
    EXPECT_EQ(place.y, 30 + (740 - 505) / 2);
}

// With large fonts the template alone can outgrow the picture; the window keeps its size.
TEST(ConfigLayoutTest, WindowNeverShrinks) {
    const WindowPlacement place = PlaceConfigDialog({0, 0, 1600, 1200}, {0, 0, 900, 520}, {0, 0, 894, 495});
    EXPECT_EQ(place.width, 900);
    EXPECT_EQ(place.height, 520);
}

// On a screen smaller than the window the top stays reachable; the left may not.
TEST(ConfigLayoutTest, SmallScreenClampsTheTopButNotTheLeft) {
    const WindowPlacement place = PlaceConfigDialog({0, 0, 600, 400}, kTemplateWindow, kTemplateClient);
    EXPECT_EQ(place.y, 0);
    EXPECT_EQ(place.x, (600 - 646) / 2);
    EXPECT_LT(place.x, 0);
}

// A control moved to the bottom of the picture keeps its height and ends as far above
// the picture's bottom row as it began below the client area's top.
TEST(ConfigLayoutTest, ControlRowMirrorsToTheBottomOfThePicture) {
    const struct {
        int top;
        int bottom;
    } controls[] = {{11, 35}, {0, 24}, {7, 21}, {100, 101}};
    for (const auto& c : controls) {
        const int movedTop = ControlTopAtBottom(c.bottom);
        const int movedBottom = movedTop + (c.bottom - c.top);
        EXPECT_EQ(kPictureHeight - movedBottom, c.top) << c.top << " ... " << c.bottom;
        EXPECT_GE(movedTop, 0);
    }
}

// At 150 and 200 % the frame, caption and control row are the template's scaled by the
// system; the picture becomes 960 x 720 and 1280 x 960, and the row keeps its margin.
TEST(ConfigLayoutTest, PictureAndControlRowScaleWithTheDpi) {
    const struct {
        int dpi;
        DialogRect window;
        DialogRect client;
        int controlBottom;
        int width, height, controlTop;
    } cases[] = {
        {96, kTemplateWindow, kTemplateClient, 35, 646, 505, 445},
        {144, {0, 0, 666, 206}, {0, 0, 657, 168}, 53, 969, 758, 667},
        {192, {0, 0, 888, 274}, {0, 0, 876, 224}, 70, 1292, 1010, 890},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        const WindowPlacement place = PlaceConfigDialog({0, 0, 3840, 2160}, c.window, c.client, c.dpi);
        EXPECT_EQ(place.width, c.width);
        EXPECT_EQ(place.height, c.height);
        EXPECT_EQ(ControlTopAtBottom(c.controlBottom, c.dpi), c.controlTop);
    }
    EXPECT_EQ(ScaleToDpi(480, 120), 600);  // 125 %
    EXPECT_EQ(ScaleToDpi(15, 144), 23);    // 22.5 rounds up
}

// At 150 % on 1366 x 768 under a 40-pixel taskbar the picture at full scale would put
// the control row under the taskbar: it shrinks until the whole window fits.
TEST(ConfigLayoutTest, PictureShrinksUntilTheWindowFitsItsWorkArea) {
    const struct {
        DialogRect work;
        int dpi;
        DialogRect window, client;
        int pictureDpi;
    } cases[] = {
        {{0, 0, 1366, 728}, 144, {0, 0, 666, 206}, {0, 0, 657, 168}, 138},
        {{1366, 0, 3286, 1040}, 144, {0, 0, 666, 206}, {0, 0, 657, 168}, 144},
        {{0, 0, 600, 400}, 96, kTemplateWindow, kTemplateClient, 75},
        {{0, 0, 40, 30}, 96, kTemplateWindow, kTemplateClient, kSmallestPictureDpi},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pictureDpi);
        EXPECT_EQ(PictureDpiThatFits(c.work, c.window, c.client, c.dpi), c.pictureDpi);
        if (c.pictureDpi == kSmallestPictureDpi) continue;
        const WindowPlacement place = PlaceConfigDialog(c.work, c.window, c.client, c.pictureDpi);
        EXPECT_GE(place.x, c.work.left);
        EXPECT_GE(place.y, c.work.top);
        EXPECT_LE(place.x + place.width, c.work.right);
        EXPECT_LE(place.y + place.height, c.work.bottom);
    }
}

// The template's row moved under the picture (first control at 5, About ending at 276
// dialog units, 15 high) at 1.5 or 1.75 pixels per unit, at 100, 150 and 200 %; a
// wrapped line is 13 pixels at 100 %.
struct ScaledRow {
    double pixelsPerUnit;
    int dpi;
    int Units(int u) const { return static_cast<int>(u * pixelsPerUnit + 0.5); }
    int ClientWidth() const { return ScaleToDpi(kPictureWidth, dpi); }
    int Top() const { return ScaleToDpi(kPictureHeight, dpi) - Units(22); }
    DialogRect First() const { return {Units(5), Top(), Units(57), Top() + Units(15)}; }
    DialogRect About() const { return {Units(248), Top(), Units(276), Top() + Units(15)}; }
    // Text of lineWidth pixels after frameUnits, wrapped into lines of 13 pixels at 100 %.
    RowControlText Text(int frameUnits, int lineWidth) const {
        const int lineHeight = ScaleToDpi(13, dpi);
        return {Units(frameUnits), lineWidth, [=](int width) { return (lineWidth + width - 1) / width * lineHeight; }};
    }
};
constexpr ScaledRow kScaledRows[] = {{1.5, 96}, {1.75, 96}, {2.25, 144}, {2.625, 144}, {3.5, 192}};

bool Overlap(const DialogRect& a, const DialogRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The display-mode box, over text widths from short to far too long for one line: it
// never runs past the picture's right margin nor into About, and keeps to the row's
// middle.
TEST(ConfigLayoutTest, ChoiceBoxFitsRightOfAboutOnOneLineOrWrapped) {
    for (const ScaledRow& scale : kScaledRows) {
        const int clientWidth = scale.ClientWidth();
        const DialogRect first = scale.First();
        const DialogRect about = scale.About();
        for (int lineWidth = 50; lineWidth <= 700; lineWidth += 25) {
            SCOPED_TRACE(testing::Message() << scale.pixelsPerUnit << " px/unit, text " << lineWidth);
            const RowControlText text = scale.Text(12, lineWidth);
            const DialogRect box = PlaceChoiceBox(first, about, clientWidth, text);
            EXPECT_EQ(box.right, clientWidth - first.left);
            EXPECT_GE(box.left, about.right + first.left);
            EXPECT_LE(std::abs((box.top + box.bottom) - (about.top + about.bottom)), 1);  // centred
            EXPECT_GE(box.Height(), about.Height());
            const bool oneLine = text.frameWidth + lineWidth <= box.right - (about.right + first.left);
            const int wrappedHeight = std::max(text.heightWrappedTo(box.Width() - text.frameWidth), about.Height());
            EXPECT_EQ(box.Width(), oneLine ? text.frameWidth + lineWidth : box.Width());
            EXPECT_EQ(box.Height(), oneLine ? about.Height() : wrappedHeight);
        }
    }
}

// The wallpaper button and the display-mode box right of About, for the widths their
// texts take with narrow, usual and large fonts: the button in the row right of About
// on one line where it fits there, else above the row; the box beside it or above the
// row, or in the row under the button; never over another control nor off the picture.
TEST(ConfigLayoutTest, WallpaperButtonAndChoiceBoxShareTheRowsEnd) {
    for (const ScaledRow& scale : kScaledRows) {
        const int clientWidth = scale.ClientWidth();
        const int right = clientWidth - scale.First().left;
        const DialogRect about = scale.About();
        for (const int buttonText : {40, 125, 150, 250}) {
            for (const int choiceText : {40, 150, 200}) {
                SCOPED_TRACE(testing::Message() << scale.pixelsPerUnit << " px/unit, texts " << buttonText << ", "
                                                << choiceText);
                const RowControlText buttonLine = scale.Text(8, buttonText);
                const RowEndPlaces places =
                    PlaceRowEnd(scale.First(), about, clientWidth, buttonLine, scale.Text(12, choiceText));
                const DialogRect& button = places.wallpaperButton;
                const DialogRect& box = places.choiceBox;
                const bool buttonInRow = button.top == about.top;
                EXPECT_EQ(buttonInRow, buttonLine.frameWidth + buttonText <= right - (about.right + scale.First().left));
                EXPECT_EQ(button.left, buttonInRow ? about.right + scale.First().left : right - button.Width());
                EXPECT_EQ(button.Width(), buttonLine.frameWidth + buttonText);  // one line, never cut short
                EXPECT_EQ(button.Height(), about.Height());
                EXPECT_EQ(box.right, right);
                EXPECT_FALSE(Overlap(box, button));
                EXPECT_FALSE(Overlap(box, about));
                EXPECT_FALSE(Overlap(button, about));
                EXPECT_GE(std::min(box.top, button.top), 0);
                EXPECT_LE(std::max(box.bottom, button.bottom), ScaleToDpi(kPictureHeight, scale.dpi));
            }
        }
    }
}

}  // namespace
}  // namespace vorrith
