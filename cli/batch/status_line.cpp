#include "cli/batch/status_line.h"

#include "posix/descriptor_writer.h"

namespace vorrith {

StatusLine::StatusLine(int fd, size_t total, bool showProgress)
    : fd_(fd),
      total_(total),
      showProgress_(showProgress && total > 1) {}

StatusLine::~StatusLine() { EndProgress(); }

void StatusLine::Progress(size_t done) {
    if (!showProgress_) return;
    WriteAll(fd_, "\rrendered " + std::to_string(done) + " of " + std::to_string(total_) + " pictures");
    progressOpen_ = true;
}

void StatusLine::Line(const std::string& text) {
    EndProgress();
    WriteAll(fd_, text + "\n");
}

void StatusLine::EndProgress() {
    if (progressOpen_) WriteAll(fd_, "\n");
    progressOpen_ = false;
}

}  // namespace vorrith
