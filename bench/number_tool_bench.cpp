// Worst cases: of the arithmetic (the largest magnitudes for trial division,
// the slowest gcd pair, decimal conversions by how much scaling they take),
// and of the window's work, from a text change or a button press to the
// buttons or the answer, through the Controller on the in-memory view. The
// window's inputs are the slowest that worst_case_search found.

#include "app/controller.h"
#include "app/testing/memory_calculator_view.h"
#include "fraction/greatest_common_factor.h"
#include "fraction/qvr_fraction.h"
#include "integer_analysis/number_factor.h"
#include "integer_analysis/number_radical.h"

#include <benchmark/benchmark.h>

#include <limits>
#include <random>
#include <string>

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

void windowAction(benchmark::State& state, const std::string& text, void (Controller::*action)())
{
    MemoryCalculator window;
    window.type(text);
    for (auto _ : state) {
        (window.controller.*action)();
    }
}
// Of the magnitudes that do the most divisions, the one with most divisors.
BENCHMARK_CAPTURE(windowAction, factor, "-2147418000", &Controller::factor)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(windowAction, prime, "-2147418000", &Controller::prime)->Unit(benchmark::kMicrosecond);
// Many divisors above the largest square divisor, each tested for squareness.
// The leaders of the search are within timing noise of each other.
BENCHMARK_CAPTURE(windowAction, squareRoot, "710629920", &Controller::squareRoot)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(windowAction, squareRootOfAnotherLeader, "944863920", &Controller::squareRoot)
    ->Unit(benchmark::kMicrosecond);
// Nine scalings by ten, the most there are.
BENCHMARK_CAPTURE(windowAction, asFraction, "0.064966", &Controller::asFraction)->Unit(benchmark::kMicrosecond);

// The longest texts the entry field holds: a minus and 32766 random
// digits, and a decimal whose only nonzero digit is its last.
std::string longestDigits()
{
    std::mt19937 generator(2026);
    std::uniform_int_distribution<int> digit('0', '9');
    std::string text = "-";
    while (text.size() < 32767) {
        text += static_cast<char>(digit(generator));
    }
    return text;
}

const std::string longestDecimal = "0." + std::string(32764, '0') + "1";

// Reading the text is part of a change: the field reads it afresh.
void windowTextChange(benchmark::State& state, const std::string& text)
{
    MemoryCalculator window;
    for (auto _ : state) {
        window.type(text);
    }
}
BENCHMARK_CAPTURE(windowTextChange, longestDigits, longestDigits())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(windowTextChange, longestDecimal, longestDecimal)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
