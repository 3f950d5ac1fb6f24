#include "posix/descriptor_writer.h"

#include <unistd.h>

#include <cerrno>

#include "posix/system_reason.h"

namespace vorrith {

int WriteAll(int fd, const void* bytes, size_t size) {
    const char* data = static_cast<const char*>(bytes);
    size_t done = 0;
    while (done < size) {
        const ssize_t written = write(fd, data + done, size - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : EIO;
        done += static_cast<size_t>(written);
    }
    return 0;
}

int WriteAll(int fd, const std::string& text) { return WriteAll(fd, text.data(), text.size()); }

bool DescriptorWriter::Write(const void* bytes, size_t size) {
    if (error_ == 0) error_ = WriteAll(fd_, bytes, size);
    return error_ == 0;
}

FileReplaceResult WriteContents(int fd, const ContentWriter& contents) {
    DescriptorWriter out(fd);
    const std::string cause = contents(out);
    if (out.error() != 0) return {false, SystemReason(out.error())};
    if (!cause.empty()) return {false, cause};
    return {};
}

}  // namespace vorrith
