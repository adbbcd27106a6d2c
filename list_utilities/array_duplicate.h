#pragma once

// Removes repeated elements from a list, by the elements' own equality. It
// neither sorts nor hashes, so any type with == works, at quadratic cost.

#include <utility>
#include <vector>

namespace ArrayDuplicate {

// Each distinct element once, in the order of first appearance; of elements
// that compare equal, the first is the one kept. The given list is unchanged.
template <typename T>
std::vector<T> arrayByRemovingDuplicates(const std::vector<T>& list)
{
    std::vector<T> remaining = list;
    std::vector<T> result;
    result.reserve(list.size() / 2);
    while (!remaining.empty()) {
        // The first element leaves by position, not by ==, so an element that
        // is not equal to itself (a NaN) cannot keep the loop going.
        T first = std::move(remaining.front());
        remaining.erase(remaining.begin());
        std::erase_if(remaining, [&first](const T& element) { return element == first; });
        result.push_back(std::move(first));
    }
    return result;
}

} // namespace ArrayDuplicate
