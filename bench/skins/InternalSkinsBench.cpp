// What the internal skins cost: handing out the embedded packages at start-up, unpacking each
// (inflating every entry), and forging the images at build time.
#include "ForgedSkin.h"
#include "InternalSkins.h"
#include "SkinPackage.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tornivex;

void BM_InternalSkinPackages(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(InternalSkinPackages());
}
BENCHMARK(BM_InternalSkinPackages);

void BM_UnpackInternalSkin(benchmark::State& state) {
    const InternalSkinPackage skin = InternalSkinPackages()[std::size_t(state.range(0))];
    state.SetLabel(skin.Name.toStdString());
    for (auto _ : state) {
        TacSkinConvertor convertor;
        benchmark::DoNotOptimize(ReadSkinPackage(convertor, skin.Data));
    }
    state.SetBytesProcessed(state.iterations() * skin.Data.size());
}
BENCHMARK(BM_UnpackInternalSkin)->Arg(0)->Arg(1);

void BM_ForgeSkin(benchmark::State& state) {
    const bool topaz = state.range(0) == 0;
    state.SetLabel(topaz ? "Topaz (internal)" : "Aluminium (internal)");
    for (auto _ : state) benchmark::DoNotOptimize(topaz ? forge::ForgeTopaz() : forge::ForgeAluminium());
}
BENCHMARK(BM_ForgeSkin)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
