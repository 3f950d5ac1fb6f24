#include "cli/message_text.h"

#include <unistd.h>

#include <cstdio>

#include "posix/descriptor_writer.h"

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

int FailWith(const std::string& text) {
    WriteAll(STDERR_FILENO, "vorrith-render: error: " + text + "\n");
    return 1;
}

}  // namespace vorrith
