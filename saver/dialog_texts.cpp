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

std::string SaveFailedMessage(const std::string& reason) {
    return reason.empty() ? kSaveFailedText : std::string(kSaveFailedText) + "\n\n" + reason;
}

}  // namespace vorrith
