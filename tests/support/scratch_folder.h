// A fresh folder for one test, unique across processes (the test runs of several builds
// may run at the same time), removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace vorrith {

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& purpose);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace vorrith
