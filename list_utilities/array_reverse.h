#pragma once

// Reverses a list into a new one; the given list is unchanged.

#include <vector>

namespace ArrayReverse {

template <typename T>
std::vector<T> arrayByReversing(const std::vector<T>& list)
{
    return std::vector<T>(list.rbegin(), list.rend());
}

} // namespace ArrayReverse
