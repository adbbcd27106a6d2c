// Worst cases of the arithmetic: the largest magnitudes for trial division,
// the slowest gcd pair, and decimal conversions by how much scaling they take.

#include "greatest_common_factor.h"
#include "number_factor.h"
#include "number_radical.h"
#include "qvr_fraction.h"

#include <benchmark/benchmark.h>

#include <limits>

namespace {

void factorsOfTheLargestMagnitude(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberFactor::factors(-2147483647));
    }
}
BENCHMARK(factorsOfTheLargestMagnitude)->Unit(benchmark::kMicrosecond);

void isPrimeOfTheLargestPrime(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberFactor::isPrime(2147483647));
    }
}
BENCHMARK(isPrimeOfTheLargestPrime)->Unit(benchmark::kMicrosecond);

void algebraicSquareRootOfTheLargestSquare(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberRadical::algebraicSquareRoot(2147395600));
    }
}
BENCHMARK(algebraicSquareRootOfTheLargestSquare)->Unit(benchmark::kMicrosecond);

void greatestCommonFactorOfTwoAndTheLargestPrime(benchmark::State& state)
{
    int32_t a = 2;
    int32_t b = 2147483647;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(greatestCommonFactor(a, b));
    }
}
BENCHMARK(greatestCommonFactorOfTwoAndTheLargestPrime)->Unit(benchmark::kMicrosecond);

// The conversion's cost grows with the number of scalings by ten, at most
// nine; these cover none, a few, nine ending whole, nine hitting the limit,
// and a value that is never scaled.
void fractionFromFloat(benchmark::State& state, float x)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(QVRFraction::fractionWithFloat(x));
    }
}
BENCHMARK_CAPTURE(fractionFromFloat, whole, 123456789.0F)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fractionFromFloat, threeScalings, 3.14F)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fractionFromFloat, nineScalingsEndingWhole, 0.01F)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fractionFromFloat, nineScalingsAtTheLimit, 0.123456791F)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fractionFromFloat, notANumber, std::numeric_limits<float>::quiet_NaN())->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
