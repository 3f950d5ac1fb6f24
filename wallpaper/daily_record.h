// What --daily remembers between runs: the date whose picture it last set, in
// $XDG_STATE_HOME/vorrith/daily-picture ("2026-12-08 20817"), so that a second run on
// the same day (the timer catching up, a login script) changes nothing.
#pragma once

#include <string>

namespace vorrith {

// The record's path in the state folder.
std::string DailyRecordPath(const std::string& stateFolder);

// True when the record names date.
bool DailyPictureAlreadySet(const std::string& stateFolder, const std::string& date);

// Records that date's picture, imageNumber, is set; "" or the one-line message.
std::string RecordDailyPicture(const std::string& stateFolder, const std::string& date, int imageNumber);

}  // namespace vorrith
