// The configuration dialog's and the About box's own strings, and the texts built for
// them: the window title with the number of the picture shown, the message that names
// the range of image numbers (from kMaxImageNumber), and the failures of Save As and of
// Set as Desktop Background with their reasons.
#pragma once

#include <string>

#include "core/random.h"

namespace vorrith {

constexpr int DecimalDigits(int value) { return value < 10 ? 1 : 1 + DecimalDigits(value / 10); }

constexpr char kStartImageText[] = "12345";
constexpr int kImageNumberMaxDigits = DecimalDigits(kMaxImageNumber);

constexpr char kBadNumberCaption[] = "Bad Image Number";
constexpr char kSaveFailedText[] = "Save failed.";
constexpr char kSaveFailedCaption[] = "Error";
constexpr char kSettingNotStoredText[] = "The choice could not be stored; it stays as it was.";
constexpr char kNoCanvasText[] = "Not enough memory for the picture.";
constexpr char kNoCanvasCaption[] = "Error";
constexpr char kWebPageAddress[] = "https://vorrith.example.invalid/";

// "Image number must be in the range of [0,N]." with N = kMaxImageNumber.
std::string BadNumberText();

// The title pattern (its first %d stands for the number; %% is a percent sign) with the
// image number filled in. Any other % sequence is kept as it stands.
std::string FormatImageTitle(const std::string& pattern, int imageNumber);

// What Save As shows when the file could not be written: the failure and its reason.
std::string SaveFailedMessage(const std::string& reason);

// The steps of Set as Desktop Background, in their order.
enum class WallpaperStep {
    kMakePicture,  // the picture at the screen's size
    kMakeFolder,   // the program's folder in the user's local application data
    kWriteFile,    // the BMP file, replaced safely
    kStoreStyle,   // centred and untiled, as the picture has the screen's size already
    kApply,        // the system told to show the file
};
// What the dialog shows when a step failed: which step, and the reason when one is known.
std::string WallpaperFailedMessage(WallpaperStep failed, const std::string& reason);

}  // namespace vorrith
