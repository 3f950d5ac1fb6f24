#include "wallpaper/daily_record.h"

#include <fstream>

#include "wallpaper/wallpaper_messages.h"
#include "wallpaper/xdg_folders.h"

namespace vorrith {

std::string DailyRecordPath(const std::string& stateFolder) {
    return InFolder(InFolder(stateFolder, "vorrith"), "daily-picture");
}

bool DailyPictureAlreadySet(const std::string& stateFolder, const std::string& date) {
    std::ifstream record(DailyRecordPath(stateFolder));
    std::string recordedDate;
    return record >> recordedDate && recordedDate == date;
}

std::string RecordDailyPicture(const std::string& stateFolder, const std::string& date, int imageNumber) {
    const std::string folderError = MakeFolders(InFolder(stateFolder, "vorrith"));
    if (!folderError.empty()) return folderError;
    return WriteTextFile(DailyRecordPath(stateFolder), date + " " + std::to_string(imageNumber) + "\n");
}

}  // namespace vorrith
