// Writing to a file descriptor in full. A write may take fewer bytes than offered, or be
// cut short by a signal; the writes here go on until every byte is taken or the system
// gives a reason to stop.
//
// A file's contents can be handed over in one piece (WriteAll) or produced band by band
// (a ContentWriter writing into a DescriptorWriter), so that a large picture need not be
// held whole in memory before it is written.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "core/file_replacement.h"

namespace vorrith {

// Writes all of the bytes to fd; 0, or the errno of the failed write.
int WriteAll(int fd, const void* bytes, size_t size);
int WriteAll(int fd, const std::string& text);

// One descriptor, written band by band. After a failed write it writes nothing more and
// keeps the failure's errno, so a producer may check once at its end.
class DescriptorWriter {
public:
    explicit DescriptorWriter(int fd) : fd_(fd) {}
    // False once any write has failed.
    bool Write(const void* bytes, size_t size);
    int error() const { return error_; }  // 0 while every write succeeded

private:
    int fd_;
    int error_ = 0;
};

// Produces a file's contents into out, band by band, and returns "" once they are
// complete, or else its own cause of failure in words ("out of memory"). When a write to
// out fails it may stop at once: out's error is then the cause. It must not throw.
using ContentWriter = std::function<std::string(DescriptorWriter& out)>;

// Writes what contents produces to fd; not ok with the cause when either failed.
FileReplaceResult WriteContents(int fd, const ContentWriter& contents);

}  // namespace vorrith
