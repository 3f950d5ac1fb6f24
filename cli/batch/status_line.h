// The renderer's messages on standard error: whole lines, each written at once, and on a
// terminal a progress line that is ended before any other line is printed. Failures to
// write here are ignored: a closed stderr must not turn a good run into a failed one.
#pragma once

#include <cstddef>
#include <string>

namespace vorrith {

class StatusLine {
public:
    StatusLine(int fd, size_t total, bool showProgress);
    ~StatusLine();
    StatusLine(const StatusLine&) = delete;
    StatusLine& operator=(const StatusLine&) = delete;

    void Progress(size_t done);
    void Line(const std::string& text);  // text without its newline

private:
    void EndProgress();

    int fd_;
    size_t total_;
    bool showProgress_;
    bool progressOpen_ = false;
};

}  // namespace vorrith
