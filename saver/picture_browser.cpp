#include "saver/picture_browser.h"

#include <climits>

#include "core/bmp_writer.h"
#include "core/canvas.h"
#include "core/random.h"
#include "present/frame_buffers.h"
#include "present/picture_resampler.h"
#include "scene/scene_driver.h"

namespace vorrith {

int DialogImageNumber = -1;

namespace {

constexpr char kNoPictureToSave[] = "There is no picture to save yet.";

constexpr char kNoMemoryForWallpaper[] = "There is not enough memory for a picture of the screen's size.";

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

long ParseImageNumberText(const char* text) {
    while (IsSpace(*text)) ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    long magnitude = 0;
    for (; IsDigit(*text); ++text) {
        const long digit = *text - '0';
        magnitude = magnitude > (INT_MAX - digit) / 10 ? INT_MAX : magnitude * 10 + digit;
    }
    return negative ? -magnitude : magnitude;
}

TypedDraw DecideTypedDraw(const char* text, int shownImageNumber) {
    const long number = ParseImageNumberText(text);
    if (number < 0 || number > kMaxImageNumber) return {TypedDrawAction::kRejectNumber, 0};
    const int imageNumber = static_cast<int>(number);
    if (imageNumber == shownImageNumber) return {TypedDrawAction::kKeepPicture, imageNumber};
    return {TypedDrawAction::kDrawPicture, imageNumber};
}

bool OpenPictureBrowser() {
    DialogImageNumber = -1;
    return CreateFrameBuffers(kPictureWidth, kPictureHeight, kCanvasOnly) == kCanvasOnly;
}

void ClosePictureBrowser() { DestroyFrameBuffers(); }

bool EnsureBrowserCanvas() {
    if (Canvas.pixels != nullptr) return true;
    return CreateFrameBuffers(kPictureWidth, kPictureHeight, kCanvasOnly) == kCanvasOnly;
}

int DrawBrowserPicture(int imageNumber) {
    if (Canvas.pixels == nullptr) return DialogImageNumber;
    DialogImageNumber = imageNumber;
    GenerateScene(DialogImageNumber, nullptr);
    return DialogImageNumber;
}

bool HasBrowserPicture() { return DialogImageNumber != -1 && Canvas.pixels != nullptr; }

FileReplaceResult SaveBrowserPicture(const std::string& fileName, ReplaceFileFunction replace) {
    if (!HasBrowserPicture()) return {false, kNoPictureToSave};
    return replace(fileName, EncodeBmp(Canvas));
}

WallpaperPicture MakeBrowserWallpaper(PictureSize screen) {
    if (!HasBrowserPicture()) return {{}, kNoPictureToSave};
    if (!IsOutputSize(screen)) {
        return {{},
                "The screen's size, " + std::to_string(screen.width) + " x " + std::to_string(screen.height) +
                    ", is not one a picture can be made at."};
    }
    Surface wallpaper;
    if (ResamplePicture(RowsOf(Canvas), screen, FitMode::kFill, ScaleFilter::kSmooth, wallpaper) != kAllocated) {
        return {{}, kNoMemoryForWallpaper};
    }
    return {EncodeBmp(wallpaper), ""};
}

}  // namespace vorrith
