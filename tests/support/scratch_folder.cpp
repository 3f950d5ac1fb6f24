#include "tests/support/scratch_folder.h"

#include <random>
#include <sstream>
#include <system_error>

namespace vorrith {

ScratchFolder::ScratchFolder(const std::string& purpose) {
    std::random_device entropy;
    for (;;) {
        std::ostringstream name;
        name << "vorrith-" << purpose << "-" << std::hex << entropy() << entropy();
        path_ = std::filesystem::temp_directory_path() / name.str();
        if (std::filesystem::create_directory(path_)) return;  // false: taken, try another
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace vorrith
