#include "cli/message_text.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vorrith {

std::string EscapeControlCharacters(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\t') {
            escaped += "\\t";
        } else if (c == '\r') {
            escaped += "\\r";
        } else if (byte < 0x20 || byte == 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            escaped += hex;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string Quoted(const std::string& text) { return "'" + EscapeControlCharacters(text) + "'"; }

int WriteAll(int fd, const std::string& text) { return WriteAll(fd, text.data(), text.size()); }

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

int FailWith(const std::string& text) {
    WriteAll(STDERR_FILENO, "vorrith-render: error: " + text + "\n");
    return 1;
}

std::string SystemReason(int error) { return std::strerror(error); }

}  // namespace vorrith
