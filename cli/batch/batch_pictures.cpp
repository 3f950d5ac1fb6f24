#include "cli/batch/batch_pictures.h"

namespace vorrith {

void ForEachPicture(const RenderOptions& options, const std::function<bool(int)>& visit) {
    if (options.randomImage) {
        visit(kRandomImage);
    } else if (options.sheet) {
        for (const int number : options.sheetNumbers) {
            if (!visit(number)) return;
        }
    } else {
        options.imageNumbers.ForEach(visit);
    }
}

size_t PictureCount(const RenderOptions& options) {
    if (options.sheet) return options.sheetNumbers.size();
    return options.randomImage ? 1 : options.imageNumbers.Count();
}

bool IsAssigned(size_t pictureIndex, int worker, int workers) {
    return pictureIndex % static_cast<size_t>(workers) == static_cast<size_t>(worker);
}

}  // namespace vorrith
