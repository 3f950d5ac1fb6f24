// What one worker process of a batch does: draws the pictures given to it and writes
// each safely, telling the parent in lines:
//   "S N"     starts drawing picture N (-1: one from the clock)
//   "T I NAME" created its temporary file NAME (inode I) in the destination's folder
//   "D N"     picture N was written (sent before an interruption can end the worker)
//   "E TEXT"  failed with the one-line message TEXT; the worker then ends
#pragma once

#include <functional>
#include <string>

#include "cli/batch/worker_processes.h"
#include "cli/options/render_options.h"

namespace vorrith {

constexpr int kRandomImage = -1;

// The batch's pictures in the order they are dealt out: the numbers ascending, or the
// one random picture. Stops when visit returns false.
void ForEachPicture(const RenderOptions& options, const std::function<bool(int)>& visit);
size_t PictureCount(const RenderOptions& options);

// Picture i of the batch goes to worker i mod workers.
bool IsAssigned(size_t pictureIndex, int worker, int workers);

std::string DestinationFor(const RenderOptions& options, int imageNumber);

// What is done with each picture once drawn on the canvas: an error message, or "" after
// sending "D N". index is the picture's place in the batch.
using DrawnPictureAction = std::function<std::string(int imageNumber, size_t index)>;

// Draws the worker's pictures and hands each to action; the worker's exit code (0, or 1
// after an "E" line).
int DrawAssignedPictures(const RenderOptions& options, int worker, int workers, const WorkerLink& link,
                         const DrawnPictureAction& action);

// The worker's whole life in a batch of files.
int RenderAssignedPictures(const RenderOptions& options, int worker, int workers, const WorkerLink& link);

}  // namespace vorrith
