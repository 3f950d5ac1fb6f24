#include "cli/sheets/sheet_job.h"

#include <cstring>
#include <vector>

#include "cli/batch/batch_pictures.h"
#include "cli/batch/render_worker.h"
#include "cli/batch/worker_batch.h"
#include "cli/message_text.h"
#include "cli/output/picture_output.h"
#include "cli/output/png_encoder.h"
#include "cli/sheets/sheet_drawing.h"
#include "core/canvas.h"
#include "posix/interruption.h"

namespace vorrith {
namespace {

std::string SizeInWords(const SheetLayout& layout) {
    return std::to_string(layout.width) + "x" + std::to_string(layout.height) + " pixels";
}

std::vector<int> SheetNumbers(const RenderOptions& options) {
    std::vector<int> numbers;
    ForEachPicture(options, [&](int imageNumber) {
        numbers.push_back(imageNumber);
        return true;
    });
    return numbers;
}

int DrawThumbnails(const RenderOptions& options, const SheetLayout& layout, SheetPixels& sheet, int worker,
                   int workers, const WorkerLink& link) {
    return DrawAssignedPictures(options, worker, workers, link, [&](int imageNumber, size_t index) {
        const OutputResult placed = PlaceThumbnail(canvas, layout, index, options.filter, sheet);
        if (!placed.ok()) return placed.Message("not enough memory for the thumbnail of " + std::to_string(imageNumber));
        link.Send(WorkerMessage::Done(imageNumber));
        return std::string();
    });
}

int LabelAndWrite(const RenderOptions& options, const SheetLayout& layout, SheetPixels& sheet) {
    // From here this process writes the file as a worker would: an interruption removes
    // its temporary file and ends it.
    EndOnInterruptionSaying("vorrith-render: interrupted while writing the sheet: no sheet written\n");
    const OutputResult labelled = DrawLabels(layout, SheetNumbers(options), sheet);
    if (!labelled.ok()) return FailWith(labelled.Message("not enough memory for the sheet's labels"));
    if (options.dryRun) return 0;
    const PixelRows rows = sheet.Rows();
    const BandMaker copied = [rows](int top, int count, uint8_t* out, size_t stride) {
        for (int y = 0; y < count; ++y) {
            std::memcpy(out + static_cast<size_t>(y) * stride, rows.pixels + static_cast<size_t>(top + y) * rows.stride,
                        static_cast<size_t>(rows.width) * 3);
        }
        return OutputResult::Done();
    };
    ReplaceObserver observer;
    observer.onReplaced = IgnoreInterruptions;  // the sheet is written: nothing left to stop
    const ContentWriter contents =
        EncodedContents(Banded(rows.width, rows.height, copied), PictureFormat::kPng, PngEffort::kQuick,
                        "not enough memory to encode a sheet of " + SizeInWords(layout));
    const std::string error = StorePicture(*options.outputPath, contents, observer);
    return error.empty() ? 0 : FailWith(error);
}

}  // namespace

int RunSheetJob(const RenderOptions& options, bool showProgress) {
    const SheetLayout layout = LayoutSheet(PictureCount(options), options.thumbWidth, options.sheetColumns);
    SheetPixels sheet(layout);
    if (!sheet.ok()) return FailWith("not enough memory for a sheet of " + SizeInWords(layout));
    const int drawn = RunWorkerBatch(options, showProgress, [&](int worker, int workers, const WorkerLink& link) {
        return DrawThumbnails(options, layout, sheet, worker, workers, link);
    });
    return drawn != 0 ? drawn : LabelAndWrite(options, layout, sheet);
}

}  // namespace vorrith
