#include "tests/support/checkpoints.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vorrith {

std::vector<Checkpoint> LoadReferenceCheckpoints() {
    const std::string path = std::string(VORRITH_TEST_DATA_DIR) + "/checkpoints.txt";
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::vector<Checkpoint> checkpoints;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        Checkpoint c;
        fields >> c.imageNumber >> c.step >> c.layer >> std::hex >> c.canvasHash >> c.randomState >> std::dec >>
            c.cursor;
        if (!fields) throw std::runtime_error("bad checkpoint line: " + line);
        checkpoints.push_back(c);
    }
    return checkpoints;
}

}  // namespace vorrith
