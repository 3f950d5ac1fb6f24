#include "saver/dialog_texts.h"

namespace vorrith {

std::string BadNumberText() {
    return "Image number must be in the range of [0," + std::to_string(kMaxImageNumber) + "].";
}

// The pattern comes from the program's resources, so it is read here rather than handed
// to printf: a stray % in a translated title cannot make it read missing arguments.
std::string FormatImageTitle(const std::string& pattern, int imageNumber) {
    std::string title;
    bool numberPlaced = false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const bool escape = pattern[i] == '%' && i + 1 < pattern.size();
        if (escape && pattern[i + 1] == '%') {
            title += '%';
            ++i;
        } else if (escape && pattern[i + 1] == 'd' && !numberPlaced) {
            title += std::to_string(imageNumber);
            numberPlaced = true;
            ++i;
        } else {
            title += pattern[i];
        }
    }
    return title;
}

namespace {

std::string WithReason(const char* failure, const std::string& reason) {
    return reason.empty() ? failure : std::string(failure) + "\n\n" + reason;
}

const char* WallpaperFailureText(WallpaperStep failed) {
    switch (failed) {
    case WallpaperStep::kMakePicture: return "The picture could not be made at the screen's size.";
    case WallpaperStep::kMakeFolder: return "The folder for the desktop background could not be made.";
    case WallpaperStep::kWriteFile: return "The desktop background could not be written.";
    case WallpaperStep::kStoreStyle: return "The desktop background's placement could not be stored.";
    case WallpaperStep::kApply: break;
    }
    return "Windows did not take the picture as the desktop background.";
}

}  // namespace

std::string SaveFailedMessage(const std::string& reason) { return WithReason(kSaveFailedText, reason); }

std::string WallpaperFailedMessage(WallpaperStep failed, const std::string& reason) {
    return WithReason(WallpaperFailureText(failed), reason);
}

}  // namespace vorrith
