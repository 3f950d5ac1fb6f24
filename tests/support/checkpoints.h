// The reference checkpoints: for 256 image numbers, the canvas hash, generator state
// and table cursor after every drawing step that ran.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorrith {

struct Checkpoint {
    int imageNumber;
    int step;
    std::string layer;
    uint64_t canvasHash;
    uint32_t randomState;
    int32_t cursor;
};

std::vector<Checkpoint> LoadReferenceCheckpoints();

}  // namespace vorrith
