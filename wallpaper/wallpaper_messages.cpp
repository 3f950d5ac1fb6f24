#include "wallpaper/wallpaper_messages.h"

#include <unistd.h>

#include <vector>

#include "cli/message_text.h"
#include "posix/descriptor_writer.h"
#include "posix/safe_file_replacement.h"

namespace vorrith {

void Tell(const std::string& line) { WriteAll(STDOUT_FILENO, line + "\n"); }

int FailWallpaper(const std::string& text) {
    WriteAll(STDERR_FILENO, "vorrith-wallpaper: error: " + text + "\n");
    return 1;
}

std::string WriteTextFile(const std::string& path, const std::string& text) {
    const FileReplaceResult written = ReplaceFileSafely(path, std::vector<uint8_t>(text.begin(), text.end()));
    return written.ok ? "" : "cannot write " + Quoted(path) + ": " + written.reason;
}

}  // namespace vorrith
