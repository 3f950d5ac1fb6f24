#include "cli/batch/worker_messages.h"

#include <charconv>

#include "cli/message_text.h"

namespace vorrith {
namespace {

constexpr char kStarted = 'S';
constexpr char kTemporaryFile = 'T';
constexpr char kDone = 'D';
constexpr char kFailed = 'E';

// The whole of text as a number; nothing when anything else is in it.
template <typename Number>
std::optional<Number> WholeNumber(const std::string& text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::string Line(char kind, const std::string& rest) { return std::string(1, kind) + " " + rest; }

}  // namespace

std::string EncodeWorkerMessage(const WorkerMessage& message) {
    const std::string text = EscapeControlCharacters(message.text);
    switch (message.kind) {
    case WorkerMessage::Kind::kStarted: return Line(kStarted, std::to_string(message.imageNumber));
    case WorkerMessage::Kind::kTemporaryFile: return Line(kTemporaryFile, std::to_string(message.inode) + " " + text);
    case WorkerMessage::Kind::kDone: return Line(kDone, std::to_string(message.imageNumber));
    case WorkerMessage::Kind::kFailed: return Line(kFailed, text);
    }
    return "";
}

std::optional<WorkerMessage> DecodeWorkerMessage(const std::string& line) {
    if (line.size() < 2 || line[1] != ' ') return std::nullopt;
    const std::string rest = line.substr(2);
    if (line[0] == kFailed) return WorkerMessage::Failed(rest);
    if (line[0] == kTemporaryFile) {
        const size_t space = rest.find(' ');
        const auto inode = WholeNumber<unsigned long long>(rest.substr(0, space));
        if (!inode || space == std::string::npos) return std::nullopt;
        return WorkerMessage::TemporaryFile(*inode, rest.substr(space + 1));
    }
    const auto number = WholeNumber<int>(rest);
    if (!number) return std::nullopt;
    if (line[0] == kStarted) return WorkerMessage::Started(*number);
    if (line[0] == kDone) return WorkerMessage::Done(*number);
    return std::nullopt;
}

}  // namespace vorrith
