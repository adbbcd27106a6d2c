// Searches the window-reachable inputs for the slowest of each action and of
// a text change, and prints them with their times; the benchmark binary then
// times the inputs found. Costs are first ranked by what makes the work grow
// (divisors listed, divisors walked, scalings, text length), then the
// leaders are timed through the Controller on the in-memory view.

#include "app/controller.h"
#include "app/testing/memory_calculator_view.h"
#include "fraction/qvr_fraction.h"
#include "integer_analysis/number_factor.h"
#include "integer_analysis/number_radical.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// Median time of one call, in microseconds.
double microseconds(const std::function<void()>& call)
{
    std::vector<double> samples;
    for (int i = 0; i < 31; ++i) {
        const auto start = std::chrono::steady_clock::now();
        call();
        samples.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(samples.begin(), samples.begin() + 15, samples.end());
    return samples[15];
}

struct Window : MemoryCalculator {
    double time(const std::string& text, void (Controller::*action)())
    {
        view.inputField.setText(text);
        return microseconds([&] { (controller.*action)(); });
    }
};

// Keeps the candidates with the highest rank, most first.
template <typename Candidate>
std::vector<Candidate> leaders(std::vector<std::pair<long, Candidate>> ranked, std::size_t count)
{
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<Candidate> result;
    for (std::size_t i = 0; i < std::min(count, ranked.size()); ++i) {
        result.push_back(ranked[i].second);
    }
    return result;
}

template <typename Candidate>
void reportSlowest(const char* what, const std::vector<Candidate>& candidates,
                   const std::function<double(const Candidate&)>& time,
                   const std::function<std::string(const Candidate&)>& describe)
{
    double slowest = -1;
    std::string slowestInput;
    for (const Candidate& candidate : candidates) {
        const double elapsed = time(candidate);
        if (elapsed > slowest) {
            slowest = elapsed;
            slowestInput = describe(candidate);
        }
    }
    std::printf("%-12s slowest input %s: %.1f us (of %zu timed)\n", what, slowestInput.c_str(), slowest,
                candidates.size());
}

// Every integer the window offers factor and prime for is in
// [-2147483647, 999999999]. Trial division runs to the root of the
// magnitude, so the top magnitudes, the negatives at or beyond -46340², do the
// most divisions; among them only the number of divisors listed varies.
std::vector<int32_t> factorCandidates()
{
    std::vector<std::pair<long, int32_t>> ranked;
    for (int32_t n = -2147483647; n <= -2147395600; ++n) {
        ranked.emplace_back(static_cast<long>(NumberFactor::factors(n).size()), n);
    }
    std::vector<int32_t> result = leaders(ranked, 10);
    result.push_back(-2147483647);
    return result;
}

// The square root is offered for 0 to 999999999. Beyond the divisions, it
// tests divisors for squareness from the largest down, so the most work is
// where many divisors lie above the largest square divisor. Ranked over the
// top million integers and over every 47-smooth number, which hold the
// integers with the most divisors.
void smoothNumbers(long value, std::size_t primeIndex, std::vector<int32_t>& out)
{
    static const int primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};
    out.push_back(static_cast<int32_t>(value));
    for (std::size_t i = primeIndex; i < std::size(primes); ++i) {
        if (value * primes[i] > 999999999) {
            break;
        }
        smoothNumbers(value * primes[i], i, out);
    }
}

long divisorsWalked(int32_t n)
{
    const std::vector<int32_t> divisors = NumberFactor::factors(n);
    long walked = 0;
    for (auto it = divisors.rbegin(); it != divisors.rend(); ++it) {
        ++walked;
        if (NumberRadical::isPerfectSquare(*it)) {
            break;
        }
    }
    return walked + static_cast<long>(divisors.size());
}

std::vector<int32_t> squareRootCandidates()
{
    std::vector<int32_t> numbers;
    smoothNumbers(1, 0, numbers);
    for (int32_t n = 999000000; n <= 999999999; ++n) {
        numbers.push_back(n);
    }
    std::vector<std::pair<long, int32_t>> ranked;
    for (const int32_t n : numbers) {
        // Only large numbers do many divisions; the walk decides among them.
        if (n >= 500000000) {
            ranked.emplace_back(divisorsWalked(n), n);
        }
    }
    std::vector<int32_t> result = leaders(ranked, 20);
    result.push_back(999999999);
    return result;
}

// Decimals typed with up to nine digits either side of the point, the most
// a float carries; ranked by the number of scalings by ten they take.
std::vector<std::string> decimalCandidates()
{
    std::mt19937 generator(2026);
    std::uniform_int_distribution<int> length(1, 9);
    std::uniform_int_distribution<int> digit(0, 9);
    std::vector<std::pair<long, std::string>> ranked;
    for (int i = 0; i < 1000000; ++i) {
        std::string text = generator() % 2 == 0 ? "-" : "";
        for (int k = length(generator); k > 0; --k) {
            text += static_cast<char>('0' + digit(generator));
        }
        text += '.';
        for (int k = length(generator); k > 0; --k) {
            text += static_cast<char>('0' + digit(generator));
        }
        float x = std::strtof(text.c_str(), nullptr);
        long scalings = 0;
        while (x != std::trunc(x) && scalings < 9) {
            x *= 10.0F;
            ++scalings;
        }
        ranked.emplace_back(scalings, text);
    }
    return leaders(ranked, 50);
}

// A text change reads the text, whose cost grows with its length; the entry
// field holds at most 32767 characters.
std::vector<std::string> textCandidates()
{
    const std::size_t longest = 32767;
    std::mt19937 generator(2026);
    std::uniform_int_distribution<int> digit('0', '9');
    std::string randomDigits;
    for (std::size_t i = 0; i < longest; ++i) {
        randomDigits += static_cast<char>(digit(generator));
    }
    return {
        std::string(longest, '9'),
        std::string(longest, '1'),
        randomDigits,
        "-" + randomDigits.substr(1),
        "0." + randomDigits.substr(2),
        "-0." + randomDigits.substr(3),
        randomDigits.substr(0, 16383) + "." + randomDigits.substr(16384),
        "0." + std::string(longest - 3, '0') + "1",
        "1" + std::string(longest - 3, '0') + ".5",
        "-",
        "72",
        "-2147483647",
    };
}

std::string describeText(const std::string& text)
{
    if (text.size() <= 24) {
        return '"' + text + '"';
    }
    return '"' + text.substr(0, 12) + "..." + text.substr(text.size() - 6) + "\" (" + std::to_string(text.size()) +
           " characters)";
}

} // namespace

int main()
{
    Window window;
    const auto integerText = [](const int32_t& n) { return std::to_string(n); };

    const std::vector<int32_t> factorInputs = factorCandidates();
    reportSlowest<int32_t>("factor:", factorInputs,
                           [&](const int32_t& n) { return window.time(std::to_string(n), &Controller::factor); },
                           integerText);
    reportSlowest<int32_t>("prime:", factorInputs,
                           [&](const int32_t& n) { return window.time(std::to_string(n), &Controller::prime); },
                           integerText);
    reportSlowest<int32_t>("squareRoot:", squareRootCandidates(),
                           [&](const int32_t& n) { return window.time(std::to_string(n), &Controller::squareRoot); },
                           integerText);
    reportSlowest<std::string>(
        "asFraction:", decimalCandidates(),
        [&](const std::string& text) { return window.time(text, &Controller::asFraction); }, describeText);
    reportSlowest<std::string>(
        "text change:", textCandidates(),
        [&](const std::string& text) {
            return microseconds([&] { window.type(text); });
        },
        describeText);
}
