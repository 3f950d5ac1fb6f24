#include "cli/render_job.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/plan_description.h"
#include "cli/worker_processes.h"
#include "core/bmp_writer.h"
#include "core/canvas.h"
#include "present/frame_buffers.h"
#include "scene/scene_driver.h"

namespace vorrith {
namespace {

namespace fs = std::filesystem;

constexpr int kRandomImage = -1;

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path.empty() ? fs::path(".") : path, error);
}

// Refuses, before anything is drawn, a destination whose folder is missing.
std::string CheckDestination(const RenderOptions& options) {
    if (options.outputPath) {
        const fs::path folder = fs::path(*options.outputPath).parent_path();
        if (!IsFolder(folder)) return "cannot write '" + *options.outputPath + "': no such folder";
        return "";
    }
    if (!IsFolder(options.outputFolder)) return "output folder '" + options.outputFolder + "' does not exist";
    return "";
}

std::string DestinationFor(const RenderOptions& options, int imageNumber) {
    if (options.outputPath) return *options.outputPath;
    return (fs::path(options.outputFolder) / DefaultPictureName(imageNumber)).string();
}

class Progress {
public:
    Progress(std::ostream& stream, size_t total, bool enabled)
        : stream_(stream), total_(total), enabled_(enabled && total > 1) {}
    void Show(size_t done) {
        if (enabled_) stream_ << "\rrendered " << done << " of " << total_ << " pictures" << std::flush;
    }
    ~Progress() {
        if (enabled_) stream_ << "\n";
    }

private:
    std::ostream& stream_;
    size_t total_;
    bool enabled_;
};

// Renders one picture and writes it; an error message, or "".
std::string RenderAndWrite(const RenderOptions& options, int& imageNumber, std::string& destination) {
    GenerateScene(nullptr, imageNumber, nullptr);
    destination = DestinationFor(options, imageNumber);
    if (options.dryRun) return "";
    const int result = WriteBmpReplacing(canvas, destination);
    if (result == -1) return "cannot open '" + destination + "' for writing";
    if (result != 0) return "writing '" + destination + "' failed; nothing was left behind";
    return "";
}

class FrameBuffersInUse {
public:
    FrameBuffersInUse() : ready_(CreateFrameBuffers(kPictureWidth, kPictureHeight, 0) != 0) {}
    ~FrameBuffersInUse() { DestroyFrameBuffers(); }
    bool ready() const { return ready_; }

private:
    bool ready_;
};

}  // namespace

int RunRenderJob(const RenderOptions& options, RenderStreams streams) {
    FrameBuffersInUse buffers;
    if (!buffers.ready()) {
        streams.err << "vorrith-render: error: not enough memory for the picture\n";
        return 1;
    }
    if (options.describeNumber) {
        streams.out << DescribeScenePlan(*options.describeNumber);
        return 0;
    }
    const std::string destinationError = CheckDestination(options);
    if (!destinationError.empty()) {
        streams.err << "vorrith-render: error: " << destinationError << "\n";
        return 1;
    }
    std::vector<int> numbers = options.imageNumbers;
    if (options.randomImage) numbers.push_back(kRandomImage);
    Progress progress(streams.err, numbers.size(), streams.showProgress);
    auto renderOne = [&](size_t i) {
        int imageNumber = numbers[i];
        if (options.verbose) streams.err << "drawing " << imageNumber << "\n" << std::flush;
        std::string destination;
        const std::string error = RenderAndWrite(options, imageNumber, destination);
        if (!error.empty()) {
            streams.err << "vorrith-render: error: " << error << "\n" << std::flush;
            return false;
        }
        if (numbers[i] == kRandomImage) streams.out << imageNumber << "\n" << std::flush;
        return true;
    };
    const int workers = options.jobs > 0 ? options.jobs : AvailableCores();
    if (numbers.size() > 1 && workers > 1) {
        auto report = [&](size_t done) { progress.Show(done); };
        return RunInWorkerProcesses(numbers.size(), workers, renderOne, report) ? 0 : 1;
    }
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (!renderOne(i)) return 1;
        progress.Show(i + 1);
    }
    return 0;
}

}  // namespace vorrith
