#include "tests/support/checkpoints.h"

#include <sstream>
#include <stdexcept>

#include "tests/support/data_lines.h"

namespace vorrith {

std::vector<Checkpoint> LoadReferenceCheckpoints() {
    std::vector<Checkpoint> checkpoints;
    for (const std::string& line : ReadDataLines("checkpoints.txt")) {
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
