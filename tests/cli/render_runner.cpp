#include "tests/cli/render_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

namespace vorrith {

namespace fs = std::filesystem;

std::string RenderProgram() {
    const char* other = std::getenv("VORRITH_RENDER");
    return other != nullptr && *other != '\0' ? other : VORRITH_RENDER_PATH;
}

RenderRun RunRender(const std::string& arguments, const fs::path& folder, const std::string& before) {
    const std::string command =
        "cd '" + folder.string() + "' && " + before + " '" + RenderProgram() + "' 2>&1 " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
    const int status = pclose(pipe);
    if (!WIFEXITED(status)) return {std::nullopt, output};
    return {WEXITSTATUS(status), output};
}

std::string LeftoverFiles(const fs::path& folder) {
    static const std::regex pictureName("Vorrith[0-9]+\\.Bmp");
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        const bool picture =
            std::regex_match(name, pictureName) && entry.is_regular_file() && entry.file_size() == kPictureFileSize;
        if (!picture) names.insert(name);
    }
    std::string list;
    for (const std::string& name : names) list += name + " ";
    return list;
}

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace vorrith
