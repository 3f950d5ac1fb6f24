// What vorrith-wallpaper says: progress and results on the standard output, one-line
// errors on the standard error, and a text file written through the safe replacement.
#pragma once

#include <string>

namespace vorrith {

// Prints line on the standard output.
void Tell(const std::string& line);

// Prints "vorrith-wallpaper: error: text" on the standard error; returns 1, the exit
// code of a run that failed while running.
int FailWallpaper(const std::string& text);

// Replaces path with text safely; "" or the one-line message.
std::string WriteTextFile(const std::string& path, const std::string& text);

}  // namespace vorrith
