// The dialogs' own strings, and the two texts they build from an image number: the
// window title after a picture is drawn and the file name proposed by Save As.
#pragma once

#include <string>

namespace vorrith {

constexpr char kStartImageText[] = "12345";
constexpr int kImageNumberMaxDigits = 5;

constexpr char kBadNumberText[] = "Image number must be in the range of [0,32767].";
constexpr char kBadNumberCaption[] = "Bad Image Number";
constexpr char kSaveFailedText[] = "Save failed.";
constexpr char kSaveFailedCaption[] = "Error";
constexpr char kSettingNotStoredText[] = "The choice could not be stored; it stays as it was.";
constexpr char kNoCanvasText[] = "Not enough memory for the picture.";
constexpr char kNoCanvasCaption[] = "Error";
constexpr char kNoRichEditText[] = "Unable to load RICHED32.DLL.";
// Filter of the save dialog: pairs of display name and pattern, ending with an empty one.
constexpr char kBmpFileFilter[] = "Windows BMP File (*.BMP)\0*.BMP\0";
constexpr char kWebPageAddress[] = "https://vorrith.example.invalid/";

// The title pattern (its first %d stands for the number; %% is a percent sign) with the
// image number filled in. Any other % sequence is kept as it stands.
std::string FormatImageTitle(const std::string& pattern, int imageNumber);

// What Save As shows when the file could not be written: the failure and its reason.
std::string SaveFailedMessage(const std::string& reason);

}  // namespace vorrith
