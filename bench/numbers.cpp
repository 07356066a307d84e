// The two number-text conversions beside the standard library's, measured in the same run:
//   zelmora-bench-numbers [google benchmark flags]
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "common/numbertext.h"

namespace {

constexpr std::size_t kCount = 4096;

// Numbers as users type and read them: a few significant digits, exponents around the boundary
// between plain and exponent notation, both signs.
const std::vector<double>& values() {
    static const std::vector<double> numbers = [] {
        std::mt19937_64 random(42);
        std::uniform_int_distribution<int> digits(1, 15);
        std::uniform_int_distribution<int> exponent(-8, 18);
        std::uniform_real_distribution<double> unit(1.0, 10.0);
        std::vector<double> v;
        for (std::size_t i = 0; i < kCount; ++i) {
            const double scale = std::pow(10.0, digits(random) - 1);
            const double mantissa = std::round(unit(random) * scale) / scale;
            v.push_back((i % 2 ? -1 : 1) * mantissa * std::pow(10.0, exponent(random)));
        }
        return v;
    }();
    return numbers;
}

const std::vector<std::string>& texts() {
    static const std::vector<std::string> strings = [] {
        std::vector<std::string> v;
        for (double value : values()) {
            v.push_back(zelmora::generalNumberText(value));
        }
        return v;
    }();
    return strings;
}

void ParseLeadingNumber(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : texts()) {
            benchmark::DoNotOptimize(zelmora::parseLeadingNumber(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kCount));
}

void StdFromChars(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : texts()) {
            double value;
            benchmark::DoNotOptimize(
                std::from_chars(text.data(), text.data() + text.size(), value));
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kCount));
}

void GeneralNumberText(benchmark::State& state) {
    for (auto _ : state) {
        for (double value : values()) {
            benchmark::DoNotOptimize(zelmora::generalNumberText(value));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kCount));
}

// to_chars in its general format with 15 significant digits, into a string as the program needs.
void StdToChars(benchmark::State& state) {
    for (auto _ : state) {
        for (double value : values()) {
            char buffer[32];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                              std::chars_format::general, 15);
            benchmark::DoNotOptimize(std::string(buffer, result.ptr));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kCount));
}

BENCHMARK(ParseLeadingNumber);
BENCHMARK(StdFromChars);
BENCHMARK(GeneralNumberText);
BENCHMARK(StdToChars);

}  // namespace

BENCHMARK_MAIN();
