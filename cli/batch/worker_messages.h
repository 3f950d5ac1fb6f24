// What a worker tells the parent, one line each over its pipe:
//   "S N"       starts drawing picture N (kRandomImage: one from the clock)
//   "T I NAME"  created its temporary file NAME (inode I) in the destination's folder
//   "D N"       picture N was done: written, or drawn into the sheet (sent before an
//               interruption can end the worker)
//   "E TEXT"    failed with the one-line message TEXT; the worker then ends
// The line format is written only here: the worker's end encodes, the parent's decodes.
#pragma once

#include <optional>
#include <string>

namespace vorrith {

struct WorkerMessage {
    enum class Kind { kStarted, kTemporaryFile, kDone, kFailed };

    static WorkerMessage Started(int imageNumber) { return {Kind::kStarted, imageNumber, 0, ""}; }
    static WorkerMessage TemporaryFile(unsigned long long inode, const std::string& name) {
        return {Kind::kTemporaryFile, 0, inode, name};
    }
    static WorkerMessage Done(int imageNumber) { return {Kind::kDone, imageNumber, 0, ""}; }
    static WorkerMessage Failed(const std::string& message) { return {Kind::kFailed, 0, 0, message}; }

    Kind kind;
    int imageNumber;           // kStarted, kDone
    unsigned long long inode;  // kTemporaryFile
    std::string text;          // kTemporaryFile: the file's name; kFailed: the message
};

// The message's line, without its newline. A control character in its text is escaped,
// so the message stays one line.
std::string EncodeWorkerMessage(const WorkerMessage& message);

// The message a line holds; nothing for a line no worker sends.
std::optional<WorkerMessage> DecodeWorkerMessage(const std::string& line);

}  // namespace vorrith
