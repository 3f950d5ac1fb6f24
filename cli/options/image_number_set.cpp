#include "cli/options/image_number_set.h"

#include <algorithm>

namespace vorrith {

void ImageNumberSet::Add(int first, int last) {
    // Swallow every range that overlaps or touches first ... last.
    auto it = ranges_.upper_bound(first);
    if (it != ranges_.begin() && std::prev(it)->second >= first - 1) --it;
    while (it != ranges_.end() && it->first <= last + 1) {
        first = std::min(first, it->first);
        last = std::max(last, it->second);
        count_ -= static_cast<size_t>(it->second - it->first + 1);
        it = ranges_.erase(it);
    }
    ranges_.emplace(first, last);
    count_ += static_cast<size_t>(last - first + 1);
}

void ImageNumberSet::ForEach(const std::function<bool(int)>& visit) const {
    for (const auto& [first, last] : ranges_) {
        for (int n = first; n <= last; ++n) {
            if (!visit(n)) return;
        }
    }
}

}  // namespace vorrith
