// The software extended type beside the x87 unit, per operation over the same operands, and the
// whole tuning calculation with whichever type this build calculates in (configure with
// -DTORNIVEX_SOFT_EXTENDED=ON to time the calculation on the software type).
#include <benchmark/benchmark.h>

#include <cfloat>
#include <random>
#include <string>
#include <vector>

#include "Extended.h"
#include "SoftExtended.h"
#include "TuningCalculation.h"

namespace {

using tornivex::SoftExtended;

constexpr size_t kPairs = 1024;

// Operands as the calculator meets them: small integers, ratios and step angles, 1E-3 .. 1E7.
std::vector<SoftExtended> CalculatorOperands(uint64_t seed) {
    std::mt19937_64 rng(seed);
    std::vector<SoftExtended> values;
    for (size_t i = 0; i < kPairs; ++i) {
        const SoftExtended a = static_cast<int>(rng() % 100000 + 1);
        const SoftExtended b = static_cast<int>(rng() % 400 + 1);
        values.push_back(i % 2 == 0 ? a : a / b);
    }
    return values;
}

enum class Op { Add, Multiply, Divide };

template <class T>
void RunOp(benchmark::State& state, Op op) {
    std::vector<T> a;
    std::vector<T> b;
    for (const SoftExtended x : CalculatorOperands(1)) a.push_back(static_cast<T>(x));
    for (const SoftExtended x : CalculatorOperands(2)) b.push_back(static_cast<T>(x));
    std::vector<T> out(kPairs);
    for (auto _ : state) {
        for (size_t i = 0; i < kPairs; ++i) {
            switch (op) {
            case Op::Add: out[i] = a[i] + b[i]; break;
            case Op::Multiply: out[i] = a[i] * b[i]; break;
            case Op::Divide: out[i] = a[i] / b[i]; break;
            }
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kPairs));
}

template <class T>
void RunFromDouble(benchmark::State& state) {
    std::vector<double> in;
    for (const SoftExtended x : CalculatorOperands(3)) in.push_back(static_cast<double>(x));
    std::vector<T> out(kPairs);
    for (auto _ : state) {
        for (size_t i = 0; i < kPairs; ++i) out[i] = static_cast<T>(in[i]);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kPairs));
}

// One operation waiting for the one before, as the calculation's steps do: each pair of
// operations (x op b, then the inverse) keeps x in range. Time per pair / 2 = time per operation.
template <class T>
void RunChain(benchmark::State& state, Op op) {
    std::vector<T> b;
    for (const SoftExtended x : CalculatorOperands(2)) b.push_back(static_cast<T>(x));
    T x = static_cast<T>(1.8);
    for (auto _ : state) {
        for (size_t i = 0; i < kPairs; ++i) {
            switch (op) {
            case Op::Add: x = x + b[i]; x = x - b[i]; break;
            case Op::Multiply: x = x * b[i]; x = x * b[(i + 1) % kPairs]; x = x / b[i]; x = x / b[(i + 1) % kPairs]; break;
            case Op::Divide: x = x / b[i]; x = x * b[i]; break;
            }
        }
        benchmark::DoNotOptimize(x);
    }
    const int64_t perLoop = op == Op::Multiply ? 4 : 2;
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kPairs) * perLoop);
}

void BM_SoftChainAddSubtract(benchmark::State& s) { RunChain<SoftExtended>(s, Op::Add); }
void BM_SoftChainMultiplyDivide(benchmark::State& s) { RunChain<SoftExtended>(s, Op::Multiply); }
BENCHMARK(BM_SoftChainAddSubtract);
BENCHMARK(BM_SoftChainMultiplyDivide);
#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384
void BM_HardwareChainAddSubtract(benchmark::State& s) { RunChain<long double>(s, Op::Add); }
void BM_HardwareChainMultiplyDivide(benchmark::State& s) { RunChain<long double>(s, Op::Multiply); }
BENCHMARK(BM_HardwareChainAddSubtract);
BENCHMARK(BM_HardwareChainMultiplyDivide);
#endif

void BM_SoftAdd(benchmark::State& s) { RunOp<SoftExtended>(s, Op::Add); }
void BM_SoftMultiply(benchmark::State& s) { RunOp<SoftExtended>(s, Op::Multiply); }
void BM_SoftDivide(benchmark::State& s) { RunOp<SoftExtended>(s, Op::Divide); }
void BM_SoftFromDouble(benchmark::State& s) { RunFromDouble<SoftExtended>(s); }
BENCHMARK(BM_SoftAdd);
BENCHMARK(BM_SoftMultiply);
BENCHMARK(BM_SoftDivide);
BENCHMARK(BM_SoftFromDouble);

#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384
void BM_HardwareAdd(benchmark::State& s) { RunOp<long double>(s, Op::Add); }
void BM_HardwareMultiply(benchmark::State& s) { RunOp<long double>(s, Op::Multiply); }
void BM_HardwareDivide(benchmark::State& s) { RunOp<long double>(s, Op::Divide); }
void BM_HardwareFromDouble(benchmark::State& s) { RunFromDouble<long double>(s); }
BENCHMARK(BM_HardwareAdd);
BENCHMARK(BM_HardwareMultiply);
BENCHMARK(BM_HardwareDivide);
BENCHMARK(BM_HardwareFromDouble);
#endif

class Inputs : public tornivex::TuningInputs {
public:
    double StepAngle() override { return 1.8; }
    std::u16string MicroText() override { return u"10"; }
    std::u16string R1Text() override { return u"40"; }
    std::u16string R2Text() override { return u"3"; }
};

class Lines : public tornivex::TuningResultLines {
public:
    void SetCaption(tornivex::ResultLine, const std::u16string& caption) override { size += caption.size(); }
    size_t size = 0;
};

// The five steps, five number texts and two parses of "1.8, 10, 40 : 3".
void BM_WholeCalculation(benchmark::State& state) {
    state.SetLabel(tornivex::kHardwareExtended ? "x87 unit" : "software extended");
    Inputs inputs;
    Lines lines;
    for (auto _ : state) {
        tornivex::RunTuningCalculation(inputs, lines);
        benchmark::DoNotOptimize(lines.size);
    }
}
BENCHMARK(BM_WholeCalculation);

}  // namespace

BENCHMARK_MAIN();
