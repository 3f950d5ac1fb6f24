// Pictures to keep and share, checked against plain references: a PNG holds exactly the
// BMP's pixels, a wallpaper size puts the picture (or its bars) where it belongs and
// looks as ImageMagick's resize of it does, and a contact sheet shows each picture,
// reduced, in its own labelled cell.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "cli/sheets/sheet_layout.h"
#include "cli/sheets/sheet_pixels.h"
#include "tests/cli/picture_files.h"
#include "tests/cli/render_runner.h"
#include "tests/support/scratch_folder.h"

namespace vorrith {
namespace {

namespace fs = std::filesystem;

class PictureOutputTest : public ::testing::Test {
protected:
    // The BMP pictures of numbers, drawn in one batch.
    std::map<int, DecodedPicture> Pictures(const std::string& numbers) {
        EXPECT_EQ(RunRender("--out-dir . " + numbers, folder).exitCode, 0);
        std::map<int, DecodedPicture> pictures;
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(".Bmp") == name.size() - 4) {
                pictures[std::stoi(name.substr(7))] = DecodeBmp(ReadWholeFile(entry.path()));
            }
        }
        return pictures;
    }

    DecodedPicture Rendered(const std::string& arguments, const std::string& name) {
        const RenderRun run = RunRender(arguments + " -o " + name, folder);
        EXPECT_EQ(run.exitCode, 0) << arguments << "\n" << run.output;
        return DecodePng(ReadWholeFile(folder / name));
    }

    ScratchFolder scratch{"output"};
    const fs::path folder = scratch.path();
};

bool IsBlack(const uint8_t* pixel) { return pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0; }

bool SamePixel(const uint8_t* a, const uint8_t* b) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; }

// The mean of one channel over a square of side pixels with its corner at (x, y).
double MeanOf(const DecodedPicture& picture, int x, int y, int side, int channel) {
    double sum = 0;
    for (int dy = 0; dy < side; ++dy) {
        for (int dx = 0; dx < side; ++dx) sum += picture.At(x + dx, y + dy)[channel];
    }
    return sum / (side * side);
}

TEST_F(PictureOutputTest, PngHoldsTheBmpPixelsAndNoColourSpaceChunk) {
    const auto pictures = Pictures("0 7 12345 32767");
    ASSERT_EQ(RunRender("--format png --out-dir . 0 7 12345 32767", folder).exitCode, 0);
    ASSERT_EQ(RunRender("--format png -o - 7 >piped.png", folder).exitCode, 0);
    for (const auto& [number, bmp] : pictures) {
        const std::string png = ReadWholeFile(folder / ("Vorrith" + std::to_string(number) + ".png"));
        const DecodedPicture decoded = DecodePng(png);
        ASSERT_EQ(decoded.width, 640) << number;
        ASSERT_EQ(decoded.height, 480) << number;
        EXPECT_TRUE(decoded.rgb == bmp.rgb) << number;
        for (const std::string& type : PngChunkTypes(png)) {
            for (const char* colourSpace : {"gAMA", "cHRM", "iCCP", "sRGB", "cICP"}) EXPECT_NE(type, colourSpace);
        }
    }
    EXPECT_EQ(ReadWholeFile(folder / "piped.png"), ReadWholeFile(folder / "Vorrith7.png"));
}

TEST_F(PictureOutputTest, SizesKeepTheWholePictureOrCoverWithItsCentre) {
    const DecodedPicture picture = Pictures("7").at(7);  // a green sky: no black of its own
    EXPECT_TRUE(Rendered("7 --size 640x480", "same.png").rgb == picture.rgb);

    // Wider than 4:3: the picture, 400 x 300, stands between bars 250 pixels wide.
    const DecodedPicture wide = Rendered("7 --size 900x300", "wide.png");
    ASSERT_EQ(wide.width, 900);
    ASSERT_EQ(wide.height, 300);
    for (int y : {0, 150, 299}) {
        for (int x : {0, 249, 650, 899}) EXPECT_TRUE(IsBlack(wide.At(x, y))) << x << "," << y;
        for (int x : {250, 450, 649}) EXPECT_FALSE(IsBlack(wide.At(x, y))) << x << "," << y;
    }

    // Taller: the picture at its own scale between bars 240 rows high, unchanged.
    const DecodedPicture tall = Rendered("7 --size 640x960 --filter nearest", "tall.png");
    ASSERT_EQ(tall.height, 960);
    for (int x = 0; x < 640; x += 37) {
        for (int y : {0, 239, 720, 959}) EXPECT_TRUE(IsBlack(tall.At(x, y))) << x << "," << y;
        for (int y = 0; y < 480; y += 29)
            EXPECT_TRUE(SamePixel(tall.At(x, y + 240), picture.At(x, y))) << x << "," << y;
    }

    // Covering 1280 x 480 doubles the picture and crops 240 rows at the top and bottom;
    // nearest-neighbour keeps each pixel as a 2 x 2 block.
    const DecodedPicture fill = Rendered("7 --size 1280x480 --fill --filter nearest", "fill.png");
    ASSERT_EQ(fill.width, 1280);
    for (int y = 0; y < 480; y += 7) {
        for (int x = 0; x < 1280; x += 11) {
            EXPECT_TRUE(SamePixel(fill.At(x, y), picture.At(x / 2, (y + 240) / 2))) << x << "," << y;
        }
    }
}

// The same kind of filter on both sides: a box (area averaging) shrinking, Catmull-Rom
// enlarging. They agree to a few thousandths of a level on average; a resampler half a
// pixel off, or with another filter, differs by a third of a level or more.
TEST_F(PictureOutputTest, SizesLookAsImageMagickResizesThem) {
    Pictures("12345");
    for (const auto& [size, filter] : {std::pair{"160x120", "Box"}, {"1600x1200", "Catrom"}}) {
        const std::string convert = std::string("convert Vorrith12345.Bmp -filter ") + filter + " -resize " + size +
                                    "! BMP3:theirs.bmp && ";  // BMP3: the plain 54-byte header
        const RenderRun run = RunRender(std::string("12345 --size ") + size + " -o ours.bmp", folder, convert);
        ASSERT_EQ(run.exitCode, 0) << run.output;
        const DecodedPicture ours = DecodeBmp(ReadWholeFile(folder / "ours.bmp"));
        const DecodedPicture theirs = DecodeBmp(ReadWholeFile(folder / "theirs.bmp"));
        ASSERT_EQ(ours.rgb.size(), theirs.rgb.size()) << size;
        for (int channel = 0; channel < 3; ++channel) {
            double difference = 0;
            for (size_t i = channel; i < ours.rgb.size(); i += 3) difference += std::abs(ours.rgb[i] - theirs.rgb[i]);
            difference /= static_cast<double>(ours.rgb.size() / 3);
            std::printf("%s: mean difference from ImageMagick in channel %d: %.4f\n", size, channel, difference);
            EXPECT_LT(difference, 0.1) << size << " channel " << channel;
        }
    }
}

TEST_F(PictureOutputTest, SheetShowsEachPictureReducedInItsLabelledCellInTheOrderGiven) {
    const auto pictures = Pictures("3 17 100-102 12345");
    const DecodedPicture sheet = Rendered("--sheet 12345,3,100-102,3,17", "sheet.png");
    const SheetLayout layout = LayoutSheet(7, 160, 0);
    EXPECT_EQ(layout.columns, 3);  // roughly square
    ASSERT_EQ(sheet.width, layout.width);
    ASSERT_EQ(sheet.height, layout.height);
    size_t index = 0;
    for (const int number : {12345, 3, 100, 101, 102, 3, 17}) {
        const DecodedPicture& picture = pictures.at(number);
        const int left = layout.CellLeft(index);
        const int top = layout.CellTop(index++);
        // A 3 x 3 patch of the 160 x 120 thumbnail covers a 12 x 12 patch of the picture.
        for (const auto& [x, y] : {std::pair{20, 15}, {80, 60}, {140, 100}}) {
            for (int channel = 0; channel < 3; ++channel) {
                const double thumb = MeanOf(sheet, left + x - 1, top + y - 1, 3, channel);
                const double reference = MeanOf(picture, 4 * x - 4, 4 * y - 4, 12, channel);
                EXPECT_NEAR(thumb, reference, 10) << number << " at " << x << "," << y;
            }
        }
        const uint8_t* gap = sheet.At(left - 1, top);
        EXPECT_EQ(gap[0] << 16 | gap[1] << 8 | gap[2], static_cast<int>(kSheetBackground)) << number;
        int brightLabelPixels = 0;
        for (int y = top + layout.thumbHeight; y < top + layout.thumbHeight + layout.labelHeight; ++y) {
            for (int x = left; x < left + layout.thumbWidth; ++x) brightLabelPixels += sheet.At(x, y)[1] > 180;
        }
        EXPECT_GT(brightLabelPixels, 20) << number;
    }
}

}  // namespace
}  // namespace vorrith
