// tornivex-calc --batch over 100,000 lines, in-process: reading, the fields, the calculation and
// the output, plain and as JSON, for a sweep over common values and for all-distinct values.
#include <cstdio>
#include <random>
#include <sstream>
#include <string>

#include <benchmark/benchmark.h>

#include "CalcRun.h"
#include "LocaleSettings.h"

namespace {

using namespace tornivex;

constexpr int kLines = 100000;

// Motor step angles, drive divisions and gear ratios as machine builders use them, comma- and
// blank-separated, with one bad line in a hundred: a sweep over the usual values.
std::string SweepInput() {
    const char* const angles[] = {"1.8", "0.9", "0.72", "7.5", "15", "1.2", "3.6"};
    const char* const divisions[] = {"1", "2", "4", "8", "10", "16", "32", "64", "128", "256"};
    const char* const ratios[] = {"40", "90", "36", "3.5", "1", "7.25", "120", "60"};
    std::mt19937 random(18);
    const auto pick = [&](const auto& list) { return list[random() % std::size(list)]; };
    std::string input;
    for (int i = 0; i < kLines; ++i) {
        const char separator = i % 2 ? ',' : ' ';
        input += pick(angles);
        input += separator;
        input += i % 100 == 99 ? "12a" : pick(divisions);
        input += separator;
        input += pick(ratios);
        input += separator;
        input += pick(ratios);
        input += '\n';
    }
    return input;
}

// The worst case: every value differs from every other, with all the decimals the fields keep
// (three for the step angle, eight for the ratios), so nothing a field did can be reused.
std::string DistinctInput() {
    std::mt19937 random(18);
    std::uniform_real_distribution<double> angle(0.1, 30), motorSide(0.5, 200), axisSide(0.5, 20);
    std::uniform_int_distribution<int> division(1, 512);
    std::string input;
    char line[128];
    for (int i = 0; i < kLines; ++i) {
        std::snprintf(line, sizeof line, "%.3f %d %.8f %.8f\n", angle(random), division(random),
                      motorSide(random), axisSide(random));
        input += line;
    }
    return input;
}

// Output that is counted and dropped, as when it goes to /dev/null: a growing string would
// measure its own reallocations.
class CountingBuffer : public std::streambuf {
public:
    size_t count = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize n) override {
        count += static_cast<size_t>(n);
        return n;
    }
    int_type overflow(int_type c) override {
        ++count;
        return traits_type::not_eof(c);
    }
};

void RunBatch(benchmark::State& state, const std::string& input, std::vector<std::string> args) {
    const ScopedFormatSettings dot(u'.', u',');
    size_t written = 0;
    for (auto _ : state) {
        std::istringstream in(input);
        CountingBuffer buffer;
        std::ostream out(&buffer);
        std::ostringstream err;
        benchmark::DoNotOptimize(calc::RunCalculator(args, in, out, err));
        written = buffer.count;
    }
    state.counters["output_bytes"] = static_cast<double>(written);
    state.SetItemsProcessed(state.iterations() * kLines);
}

void BM_Batch100kSweep(benchmark::State& state) { RunBatch(state, SweepInput(), {"--batch"}); }
void BM_Batch100kSweepJson(benchmark::State& state) { RunBatch(state, SweepInput(), {"--batch", "--json"}); }
void BM_Batch100kDistinct(benchmark::State& state) { RunBatch(state, DistinctInput(), {"--batch"}); }
void BM_Batch100kDistinctJson(benchmark::State& state) {
    RunBatch(state, DistinctInput(), {"--batch", "--json"});
}
BENCHMARK(BM_Batch100kSweep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch100kSweepJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch100kDistinct)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch100kDistinctJson)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
