// Reading the tests' data files: one record a line, "#" starts a comment line.
#pragma once

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorrith {

// The lines of a data file under tests/data that are neither empty nor comments;
// throws std::runtime_error when the file cannot be read.
inline std::vector<std::string> ReadDataLines(const std::string& name) {
    const std::string path = std::string(VORRITH_TEST_DATA_DIR) + "/" + name;
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    }
    return lines;
}

}  // namespace vorrith
