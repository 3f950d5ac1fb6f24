// What one worker process of a batch does: draws the pictures dealt to it and writes
// each safely, telling the parent as it goes (worker_messages.h).
#pragma once

#include <functional>
#include <string>

#include "cli/batch/worker_processes.h"
#include "cli/options/render_options.h"

namespace vorrith {

// What is done with each picture once drawn on the canvas: an error message, or "" after
// sending its Done message. index is the picture's place in the batch.
using DrawnPictureAction = std::function<std::string(int imageNumber, size_t index)>;

// Draws the worker's pictures and hands each to action; the worker's exit code (0, or 1
// after a Failed message).
int DrawAssignedPictures(const RenderOptions& options, int worker, int workers, const WorkerLink& link,
                         const DrawnPictureAction& action);

// The worker's whole life in a batch of files.
int RenderAssignedPictures(const RenderOptions& options, int worker, int workers, const WorkerLink& link);

}  // namespace vorrith
