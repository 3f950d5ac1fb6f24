// The configuration dialog's picture browser, without the window: it reads the typed
// image number, draws pictures on the canvas and saves the one shown.
//
// DialogImageNumber is the number of the picture on the canvas, -1 before the first
// one. A typed number is drawn only when it lies in 0 ... kMaxImageNumber and differs
// from the picture shown; a random picture takes its number from the clock.
#pragma once

#include <string>

#include "core/file_replacement.h"
#include "present/picture_placement.h"

namespace vorrith {

extern int DialogImageNumber;

// The typed text read by the usual decimal rule: leading white space, an optional
// sign, digits up to the first other character; no digits give 0. Values beyond the
// range of int saturate, so they stay out of range rather than wrap into it.
long ParseImageNumberText(const char* text);

enum class TypedDrawAction {
    kRejectNumber,  // outside 0 ... kMaxImageNumber: tell the user, keep the picture
    kKeepPicture,   // the picture shown already has this number
    kDrawPicture,
};
struct TypedDraw {
    TypedDrawAction action;
    int imageNumber;  // the number to draw, for kDrawPicture
};
TypedDraw DecideTypedDraw(const char* text, int shownImageNumber);

// The canvas for the dialog's period of use (no fade buffers); true when it is ready.
// Also forgets the picture of an earlier period.
bool OpenPictureBrowser();
// Releases the canvas.
void ClosePictureBrowser();
// True when the canvas exists, allocating it again if the first attempt had failed.
bool EnsureBrowserCanvas();

// Draws a picture (-1: one from the clock) with no control word and makes it the one
// shown. Returns the number drawn; without a canvas nothing changes and the number
// shown so far is returned.
int DrawBrowserPicture(int imageNumber);
bool HasBrowserPicture();

// Stores the picture shown as a BMP file through replace, the platform's safe file
// replacement (core/file_replacement.h), and passes on its result; without a picture
// nothing is written and the result says so.
FileReplaceResult SaveBrowserPicture(const std::string& fileName, ReplaceFileFunction replace);

// The picture shown as a desktop background of the screen's size: resampled by the
// shared resampler to fill it (cropped evenly where the shapes differ), as a BMP file's
// bytes. bmp is empty and failure says why when there is no picture, the size is none
// a picture can be made at, or memory ran out.
struct WallpaperPicture {
    std::vector<uint8_t> bmp;
    std::string failure;
};
WallpaperPicture MakeBrowserWallpaper(PictureSize screen);

}  // namespace vorrith
