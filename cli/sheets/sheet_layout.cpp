#include "cli/sheets/sheet_layout.h"

#include <algorithm>
#include <cmath>

namespace vorrith {
namespace {

int ColumnsForSquareSheet(size_t pictures, int cellWidth, int cellHeight) {
    const double columns = std::ceil(std::sqrt(static_cast<double>(pictures) * cellHeight / cellWidth));
    return static_cast<int>(std::clamp(columns, 1.0, static_cast<double>(pictures)));
}

}  // namespace

int SheetLayout::CellLeft(size_t index) const {
    return gap + static_cast<int>(index % static_cast<size_t>(columns)) * (thumbWidth + gap);
}

int SheetLayout::CellTop(size_t index) const {
    return gap + static_cast<int>(index / static_cast<size_t>(columns)) * (thumbHeight + labelHeight + gap);
}

SheetLayout LayoutSheet(size_t pictures, int thumbWidth, int columns) {
    SheetLayout layout{};
    pictures = std::max<size_t>(pictures, 1);
    layout.thumbWidth = thumbWidth;
    layout.thumbHeight = (thumbWidth * 3 + 2) / 4;
    layout.labelFontSize = std::clamp(thumbWidth / 11, 11, 36);
    layout.labelHeight = layout.labelFontSize * 3 / 2 + 2;
    layout.gap = std::max(6, thumbWidth / 20);
    const int cellWidth = layout.thumbWidth + layout.gap;
    const int cellHeight = layout.thumbHeight + layout.labelHeight + layout.gap;
    layout.columns = columns > 0 ? static_cast<int>(std::min<size_t>(static_cast<size_t>(columns), pictures))
                                 : ColumnsForSquareSheet(pictures, cellWidth, cellHeight);
    layout.rows =
        static_cast<int>((pictures + static_cast<size_t>(layout.columns) - 1) / static_cast<size_t>(layout.columns));
    layout.width = int64_t{layout.columns} * cellWidth + layout.gap;
    layout.height = int64_t{layout.rows} * cellHeight + layout.gap;
    return layout;
}

}  // namespace vorrith
