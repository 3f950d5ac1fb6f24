#include "cli/batch/batch_report.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include "cli/batch/batch_pictures.h"
#include "cli/output/picture_output.h"
#include "posix/descriptor_writer.h"
#include "posix/safe_file_replacement.h"
#include "posix/system_reason.h"

namespace vorrith {
namespace {

constexpr size_t kPicturesNamedAtMost = 20;

}  // namespace

BatchReport::BatchReport(const RenderOptions& options, int workers, bool showProgress, size_t before, size_t total)
    : options_(options),
      workers_(workers),
      written_(before),
      expected_(before + PictureCount(options)),
      total_(total != 0 ? total : expected_),
      states_(static_cast<size_t>(workers)),
      status_(STDERR_FILENO, total_, showProgress) {}

bool BatchReport::OnMessage(int worker, const WorkerMessage& message) {
    WorkerState& state = states_[static_cast<size_t>(worker)];
    switch (message.kind) {
    case WorkerMessage::Kind::kStarted:
        if (!options_.verbose) break;
        status_.Line(message.imageNumber == kRandomImage ? "drawing a picture from the clock"
                                                         : "drawing " + std::to_string(message.imageNumber));
        break;
    case WorkerMessage::Kind::kTemporaryFile:
        state.temporaryInode = message.inode;
        state.temporaryName = message.text;
        break;
    case WorkerMessage::Kind::kDone:
        state.temporaryName.clear();
        ++state.written;
        status_.Progress(++written_);
        if (options_.randomImage) PrintRandomNumber(message.imageNumber);
        break;
    case WorkerMessage::Kind::kFailed:
        state.reportedFailure = true;
        failed_ = true;
        status_.Line("vorrith-render: error: " + message.text);
        return true;
    }
    return false;
}

bool BatchReport::OnEnd(int worker, long pid, int waitStatus, bool interrupted) {
    const bool normalEnd = WIFEXITED(waitStatus) && WEXITSTATUS(waitStatus) == 0;
    WorkerState& state = states_[static_cast<size_t>(worker)];
    if (!normalEnd) {
        const std::string folder = ContainingFolder(DestinationFor(options_, 0));
        if (!state.temporaryName.empty()) {
            RemoveLeftTemporaryFile(folder + "/" + state.temporaryName, state.temporaryInode);
        }
        RemoveTemporaryFilesOf(folder, pid);
    }
    if (interrupted || normalEnd || state.reportedFailure) return false;
    failed_ = true;
    status_.Line("vorrith-render: error: " + DeathMessage(worker, pid, waitStatus));
    return true;
}

// "worker 2 (process 812) was killed by signal 9 (Killed); pictures not written: 5, 7"
std::string BatchReport::DeathMessage(int worker, long pid, int waitStatus) const {
    std::string text = "worker " + std::to_string(worker + 1) + " (process ";
    text += std::to_string(pid) + ")";
    if (WIFSIGNALED(waitStatus)) {
        const int signal = WTERMSIG(waitStatus);
        text += " was killed by signal " + std::to_string(signal) + " (" + strsignal(signal) + ")";
    } else {
        text += " ended with exit status " + std::to_string(WEXITSTATUS(waitStatus));
    }
    return text + "; pictures not written: " + UnwrittenPictures(worker);
}

// The worker's pictures after the ones it wrote, the first kPicturesNamedAtMost by number.
std::string BatchReport::UnwrittenPictures(int worker) const {
    std::string list;
    size_t index = 0;
    size_t skipped = states_[static_cast<size_t>(worker)].written;
    size_t named = 0;
    size_t unnamed = 0;
    ForEachPicture(options_, [&](int imageNumber) {
        if (!IsAssigned(index++, worker, workers_)) return true;
        if (skipped > 0) {
            --skipped;
        } else if (named < kPicturesNamedAtMost) {
            list +=
                (named++ == 0 ? "" : ", ") +
                (imageNumber == kRandomImage ? std::string("the picture from the clock") : std::to_string(imageNumber));
        } else {
            ++unnamed;
        }
        return true;
    });
    if (unnamed > 0) list += " and " + std::to_string(unnamed) + " more";
    return list;
}

// The picture itself may be on the standard output: the number then goes with the messages.
void BatchReport::PrintRandomNumber(int imageNumber) {
    const std::string number = std::to_string(imageNumber);
    if (WritesToStandardOutput(options_)) {
        status_.Line("vorrith-render: image number " + number);
    } else if (stdoutError_ == 0) {
        stdoutError_ = WriteAll(STDOUT_FILENO, number + "\n");
    }
}

void BatchReport::Error(const std::string& text) {
    status_.Line("vorrith-render: error: " + text);
    failed_ = true;
}

int BatchReport::Finish(int interruption) {
    if (interruption != 0) {
        const std::string count = std::to_string(written_) + " of " + std::to_string(total_);
        status_.Line(options_.sheet ? "vorrith-render: interrupted after " + count + " thumbnails: no sheet written"
                                    : "vorrith-render: interrupted: " + count + " pictures written");
        return 128 + interruption;
    }
    if (stdoutError_ != 0) {
        status_.Line("vorrith-render: error: cannot print the image number: " + SystemReason(stdoutError_));
        return 1;
    }
    return failed_ || written_ != expected_ ? 1 : 0;
}

}  // namespace vorrith
