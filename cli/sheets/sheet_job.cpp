#include "cli/sheets/sheet_job.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <vector>

#include "cli/batch/batch_pictures.h"
#include "cli/batch/render_worker.h"
#include "cli/batch/worker_batch.h"
#include "cli/message_text.h"
#include "cli/output/picture_output.h"
#include "cli/sheets/sheet_drawing.h"
#include "core/canvas.h"
#include "posix/interruption.h"

namespace vorrith {
namespace {

// The most a band of cells may take: with the encoder's buffers, a sheet of any size is
// made in well under 256 MB of address space.
constexpr size_t kSheetBandBytes = size_t{64} << 20;

std::string SizeInWords(const SheetLayout& layout) {
    return std::to_string(layout.width) + "x" + std::to_string(layout.height) + " pixels";
}

int CellPitch(const SheetLayout& layout) { return layout.thumbHeight + layout.labelHeight + layout.gap; }

// Rows of cells per band: as many as kSheetBandBytes holds, at least one.
int CellRowsPerBand(const SheetLayout& layout) {
    const size_t cellRowBytes = static_cast<size_t>(CellPitch(layout)) * static_cast<size_t>(layout.width) * 3;
    return static_cast<int>(std::clamp<size_t>(kSheetBandBytes / cellRowBytes, 1, static_cast<size_t>(layout.rows)));
}

// Makes the sheet's rows for its encoder, a band of cells at a time: worker processes
// draw the band's thumbnails into shared memory, then this process labels them.
class SheetBands {
public:
    SheetBands(const RenderOptions& options, const SheetLayout& layout, bool showProgress)
        : options_(options),
          layout_(layout),
          showProgress_(showProgress),
          cellRows_(CellRowsPerBand(layout)),
          pixels_(static_cast<int>(layout.width), cellRows_ * CellPitch(layout)),
          background_(static_cast<size_t>(layout.width) * 3) {
        for (size_t x = 0; x < background_.size(); x += 3) {
            background_[x] = BlueOf(kSheetBackground);
            background_[x + 1] = GreenOf(kSheetBackground);
            background_[x + 2] = RedOf(kSheetBackground);
        }
    }

    bool ok() const { return pixels_.ok(); }
    // The exit code of a band's drawing that failed (its message already shown), or 0.
    int drawingExit() const { return drawingExit_; }

    OutputResult Rows(int top, int rows, uint8_t* out, size_t stride) {
        for (int y = top; y < top + rows; ++y) {
            const uint8_t* row = Row(y);
            if (row == nullptr) return OutputResult::Failed("the thumbnails were not all drawn");
            std::memcpy(out + static_cast<size_t>(y - top) * stride, row, background_.size());
        }
        return OutputResult::Done();
    }

private:
    const uint8_t* Row(int y) {
        const int cellsTop = layout_.gap;
        const int bandHeight = cellRows_ * CellPitch(layout_);
        if (y < cellsTop || y >= cellsTop + layout_.rows * CellPitch(layout_)) return background_.data();
        const int band = (y - cellsTop) / bandHeight;
        if (band != band_ && !Draw(band, cellsTop + band * bandHeight)) return nullptr;
        return pixels_.At(0, y);
    }

    bool Draw(int band, int firstRow) {
        const size_t cellsPerBand = static_cast<size_t>(cellRows_) * static_cast<size_t>(layout_.columns);
        const size_t first = static_cast<size_t>(band) * cellsPerBand;
        const size_t end = std::min(first + cellsPerBand, options_.sheetNumbers.size());
        RenderOptions part = options_;
        part.sheetNumbers.assign(options_.sheetNumbers.begin() + static_cast<std::ptrdiff_t>(first),
                                 options_.sheetNumbers.begin() + static_cast<std::ptrdiff_t>(end));
        pixels_.Restart(firstRow);
        band_ = -1;
        const BatchShare share{first, options_.sheetNumbers.size()};
        drawingExit_ = RunWorkerBatch(
            part, showProgress_,
            [&](int worker, int workers, const WorkerLink& link) {
                return DrawAssignedPictures(part, worker, workers, link, [&](int imageNumber, size_t index) {
                    const OutputResult placed =
                        PlaceThumbnail(Canvas, layout_, first + index, options_.filter, pixels_);
                    if (!placed.ok())
                        return placed.Message("not enough memory for the thumbnail of " + std::to_string(imageNumber));
                    link.Send(WorkerMessage::Done(imageNumber));
                    return std::string();
                });
            },
            share);
        if (drawingExit_ != 0) return false;
        for (size_t i = first; i < end; ++i) {
            const OutputResult labelled = labels_.Draw(i, options_.sheetNumbers[i], pixels_);
            if (!labelled.ok()) {
                drawingExit_ = FailWith(labelled.Message("not enough memory for the sheet's labels"));
                return false;
            }
        }
        band_ = band;
        return true;
    }

    const RenderOptions& options_;
    const SheetLayout& layout_;
    bool showProgress_;
    int cellRows_;
    SheetPixels pixels_;
    std::vector<uint8_t> background_;
    SheetLabels labels_{layout_};
    int band_ = -1;
    int drawingExit_ = 0;
};

// Ends this process by the interruption that stopped the sheet, saying so.
int EndByInterruption() {
    EndOnInterruptionSaying("vorrith-render: interrupted while writing the sheet: no sheet written\n");
    const int signal = CaughtInterruption();
    if (signal != 0) raise(signal);
    return 128 + signal;
}

}  // namespace

int RunSheetJob(const RenderOptions& options, bool showProgress) {
    const SheetLayout layout = LayoutSheet(PictureCount(options), options.thumbWidth, options.sheetColumns);
    SheetBands bands(options, layout, showProgress);
    if (!bands.ok()) return FailWith("not enough memory for a band of a sheet of " + SizeInWords(layout));
    const BandMaker rows = [&](int top, int count, uint8_t* out, size_t stride) {
        return bands.Rows(top, count, out, stride);
    };
    const BandedPicture sheet = Banded(static_cast<int>(layout.width), static_cast<int>(layout.height), rows);
    const ContentWriter contents = EncodedContents(sheet, PictureFormat::kPng, PngEffort::kQuick,
                                                   "not enough memory to encode a sheet of " + SizeInWords(layout));
    const ContentWriter whole = [&](DescriptorWriter& out) {
        const std::string cause = contents(out);
        // Held since the first band: one that came while the last was encoded stops it too.
        return cause.empty() && InterruptionUnderway() ? "interrupted" : cause;
    };
    ReplaceObserver observer;
    observer.onReplaced = IgnoreInterruptions;  // the sheet is written: nothing left to stop
    const std::string error = options.dryRun ? StorePicture("/dev/null", whole, observer)
                                             : StorePicture(*options.outputPath, whole, observer);
    if (bands.drawingExit() != 0) return bands.drawingExit();
    if (InterruptionUnderway()) return EndByInterruption();
    return error.empty() ? 0 : FailWith(error);
}

}  // namespace vorrith
