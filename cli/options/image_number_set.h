// The image numbers of a batch as disjoint ranges, merged as they are added: every
// picture appears once however the numbers and ranges given overlap, and the memory
// held stays small however long the list is (at most 16384 ranges).
#pragma once

#include <cstddef>
#include <functional>
#include <map>

namespace vorrith {

class ImageNumberSet {
public:
    // Adds first ... last (first <= last).
    void Add(int first, int last);
    size_t Count() const { return count_; }
    // Calls visit(n) for every number in ascending order until visit returns false.
    void ForEach(const std::function<bool(int)>& visit) const;

private:
    std::map<int, int> ranges_;  // first -> last, neither overlapping nor touching
    size_t count_ = 0;
};

}  // namespace vorrith
