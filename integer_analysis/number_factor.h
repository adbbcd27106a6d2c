#pragma once

// Divisors and primality of one 32-bit integer, by trial division up to the
// square root of its magnitude. Pure functions: no state, no caching.

#include <cstdint>
#include <vector>

namespace NumberFactor {

// The positive divisors of |n|, each once, ascending; {0} for 0. The most
// negative value has no 32-bit magnitude and gives the empty list.
std::vector<int32_t> factors(int32_t n);

// True for the primes and their negatives, and also for -1: the test is that
// |n| has fewer than three divisors, with only 0, 1 and the most negative
// value (which is even) excluded. The window asks about magnitudes, so -1
// reaches it as 1 and is not prime there.
bool isPrime(int32_t n);

} // namespace NumberFactor
