#include "saver/config_layout.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vorrith
