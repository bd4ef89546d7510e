// Number text speed beside the C library on the same values: NumberText against
// snprintf("%.15Lg"), ParseNumber against strtold.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "Errors.h"
#include "Float80.h"
#include "NumberText.h"

namespace {

using tornivex::Extended;

constexpr size_t kValueCount = 1024;

// Numbers as the calculator shows them: results of a few divisions and products, 1E-3 .. 1E7.
std::vector<Extended> CalculatorValues() {
    std::mt19937_64 rng(42);
    std::uniform_int_distribution<int> small(1, 100000);
    std::vector<Extended> values;
    for (size_t i = 0; i < kValueCount; ++i) {
        const Extended a = small(rng);
        const Extended b = small(rng) % 400 + 1;
        values.push_back(i % 4 == 0 ? a : a / b * (i % 3 == 0 ? 0.01L : 1.0L));
    }
    return values;
}

// Random bit patterns over the whole finite range: the exact slow path most of the time.
std::vector<Extended> WholeRangeValues() {
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<int> exponent(1, 0x7FFE);
    std::vector<Extended> values;
    for (size_t i = 0; i < kValueCount; ++i) {
        values.push_back(tornivex::float80::Compose({false, exponent(rng), rng() | (1ULL << 63)}));
    }
    return values;
}

std::vector<std::string> TextsOf(const std::vector<Extended>& values) {
    std::vector<std::string> texts;
    for (const Extended v : values) texts.push_back(tornivex::ToUtf8(tornivex::NumberText(v)));
    return texts;
}

template <class Values>
void BM_NumberText(benchmark::State& state, Values makeValues) {
    const std::vector<Extended> values = makeValues();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tornivex::NumberText(values[i++ % kValueCount]));
    }
}

template <class Values>
void BM_PatternTextFixed8(benchmark::State& state, Values makeValues) {
    const std::vector<Extended> values = makeValues();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tornivex::PatternText(u"%.8f", values[i++ % kValueCount]));
    }
}

template <class Values>
void BM_Snprintf15Lg(benchmark::State& state, Values makeValues) {
    const std::vector<Extended> values = makeValues();
    char buffer[64];
    size_t i = 0;
    for (auto _ : state) {
        std::snprintf(buffer, sizeof buffer, "%.15Lg", values[i++ % kValueCount]);
        benchmark::DoNotOptimize(buffer);
    }
}

template <class Values>
void BM_ParseNumber(benchmark::State& state, Values makeValues) {
    std::vector<std::u16string> texts;
    for (const std::string& t : TextsOf(makeValues())) texts.push_back(tornivex::FromUtf8(t));
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tornivex::ParseNumber(texts[i++ % kValueCount]));
    }
}

template <class Values>
void BM_Strtold(benchmark::State& state, Values makeValues) {
    const std::vector<std::string> texts = TextsOf(makeValues());
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::strtold(texts[i++ % kValueCount].c_str(), nullptr));
    }
}

BENCHMARK_CAPTURE(BM_NumberText, calculator, CalculatorValues);
BENCHMARK_CAPTURE(BM_Snprintf15Lg, calculator, CalculatorValues);
BENCHMARK_CAPTURE(BM_PatternTextFixed8, calculator, CalculatorValues);
BENCHMARK_CAPTURE(BM_ParseNumber, calculator, CalculatorValues);
BENCHMARK_CAPTURE(BM_Strtold, calculator, CalculatorValues);
BENCHMARK_CAPTURE(BM_NumberText, whole_range, WholeRangeValues);
BENCHMARK_CAPTURE(BM_Snprintf15Lg, whole_range, WholeRangeValues);
BENCHMARK_CAPTURE(BM_PatternTextFixed8, whole_range, WholeRangeValues);
BENCHMARK_CAPTURE(BM_ParseNumber, whole_range, WholeRangeValues);
BENCHMARK_CAPTURE(BM_Strtold, whole_range, WholeRangeValues);

}  // namespace

BENCHMARK_MAIN();
