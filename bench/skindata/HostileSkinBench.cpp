// Skins built to be slow or large, loaded as the program loads a skin: the options text checked
// against the skin limits, then the tables built from Aluminium's images. Each is either refused
// (a limit) or loaded; the time is for either outcome. Peak resident memory of the whole run is
// printed at the end. Run: build/bench/skindata/bench_hostile_skins
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <sys/resource.h>

#include <cstdio>

#include "InternalSkins.h"
#include "skin/data/SkinError.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinPackage.h"

namespace tornivex {
namespace {

const TacSkinConvertor& Aluminium() {
    static const TacSkinConvertor convertor = [] {
        TacSkinConvertor c;
        ReadSkinPackage(c, InternalSkinPackages().at(0).Data);
        return c;
    }();
    return convertor;
}

// Every `chainLength`-th section starts a chain at BUTTON; the others name the one before.
QByteArray Chains(int sections, int chainLength) {
    QByteArray text;
    for (int i = 0; i < sections; ++i) {
        text += "[S" + QByteArray::number(i) + "]\nSTATES=2\nCOLOR=255\nBORDERSMASK=0\n";
        text += i % chainLength == 0 ? QByteArray("PARENTCLASS=BUTTON\n")
                                     : "PARENTCLASS=S" + QByteArray::number(i - 1) + "\n";
    }
    return text;
}

QByteArray Patterns(int sections) {
    QByteArray text;
    for (int i = 0; i < sections; ++i)
        text += "[F" + QByteArray::number(i) + "]\nSTATES=2\nPATTERN=~0000~0110~0222~0190~00~0\n";
    return text;
}

QByteArray HostileOptions(int kind) {
    const QByteArray base = *Aluminium().Options;
    switch (kind) {
    case 0: return base + Chains(3000, 3000);
    case 1: return base + Chains(30000, 10);
    case 2: return base + Patterns(100000);
    default: return base + "[LONG]\nCOLOR=" + QByteArray(50 * 1024 * 1024, '7') + "\n";
    }
}

void BM_HostileSkin(benchmark::State& state) {
    static const char* names[] = {"one 3000-deep chain", "30000 sections, chains 10 deep",
                                  "100000 PATTERN sections", "50 MB on one line"};
    const QByteArray options = HostileOptions(int(state.range(0)));
    bool refused = false;
    for (auto _ : state) {
        try {
            TSkinLoader loader(ParseSkinOptionsWithinLimits(options),
                               TSkinImageSource{&Aluminium(), QString()}, TSkinLoadSettings{});
            benchmark::DoNotOptimize(loader.Load());
            refused = false;
        } catch (const ESkinError&) {
            refused = true;
        }
    }
    state.SetLabel(std::string(names[state.range(0)]) + (refused ? ": refused" : ": loaded"));
}

BENCHMARK(BM_HostileSkin)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace tornivex

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %ld MB\n", usage.ru_maxrss / 1024);
    return 0;
}
