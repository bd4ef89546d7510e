// Stages of loading an internal skin, each measured alone, and the whole load as the manager
// does it. Run: build/bench/skindata/bench_skindata
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "InternalSkins.h"
#include "skin/data/SkinDialogs.h"
#include "skin/data/SkinImages.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/sSkinManager.h"

namespace tornivex {
namespace {

const InternalSkinPackage& Package(int index) {
    static const std::vector<InternalSkinPackage> packages = InternalSkinPackages();
    return packages.at(std::size_t(index));
}

void Label(benchmark::State& state) { state.SetLabel(Package(int(state.range(0))).Name.toStdString()); }

void BM_Unpack(benchmark::State& state) {
    const QByteArray& bytes = Package(int(state.range(0))).Data;
    for (auto _ : state) {
        TacSkinConvertor convertor;
        benchmark::DoNotOptimize(ReadSkinPackage(convertor, bytes));
    }
    Label(state);
}

void BM_ParseOptions(benchmark::State& state) {
    TacSkinConvertor convertor;
    ReadSkinPackage(convertor, Package(int(state.range(0))).Data);
    for (auto _ : state) benchmark::DoNotOptimize(TSkinOptions::Parse(*convertor.Options));
    Label(state);
}

void BM_DecodeImages(benchmark::State& state) {
    TacSkinConvertor convertor;
    ReadSkinPackage(convertor, Package(int(state.range(0))).Data);
    for (auto _ : state)
        for (const TacImageItem& item : convertor.Files)
            benchmark::DoNotOptimize(DecodeSkinImage(item.FileStream, item.FileName, true));
    Label(state);
}

// Image rows with decoding, then the section table, palette and cached indexes.
void BM_Tables(benchmark::State& state) {
    TacSkinConvertor convertor;
    ReadSkinPackage(convertor, Package(int(state.range(0))).Data);
    const TSkinOptions options = TSkinOptions::Parse(*convertor.Options);
    for (auto _ : state) {
        TSkinLoader loader(options, TSkinImageSource{&convertor, QString()}, TSkinLoadSettings{});
        benchmark::DoNotOptimize(loader.Load());
    }
    Label(state);
}

void BM_GeneralDataOnly(benchmark::State& state) {
    TacSkinConvertor convertor;
    ReadSkinPackage(convertor, Package(int(state.range(0))).Data);
    const TSkinOptions options = TSkinOptions::Parse(*convertor.Options);
    TSkinLoader loader(options, TSkinImageSource{&convertor, QString()}, TSkinLoadSettings{});
    loader.LoadAllMasks();
    for (auto _ : state) {
        loader.LoadAllGeneralData();
        InitConstantIndexes(loader.Skin(), false);
        benchmark::DoNotOptimize(loader.Skin().gd.data());
    }
    Label(state);
}

void BM_WholeLoadByManager(benchmark::State& state) {
    TsSkinManager manager;
    for (int i = 0; i < 2; ++i) manager.InternalSkins().Add(Package(i).Name, Package(i).Data);
    const QString name = Package(int(state.range(0))).Name;
    for (auto _ : state) {
        manager.SetSkinName(name);
        benchmark::DoNotOptimize(manager.gd().data());
    }
    Label(state);
}

BENCHMARK(BM_Unpack)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseOptions)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeImages)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GeneralDataOnly)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Tables)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeLoadByManager)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

class SilentDialogs final : public ISkinDialogs {
    void ShowError(const QString&, const QString&) override {}
    void ShowMessage(const QString&) override {}
    void ShowWarning(const QString&) override {}
};

} // namespace
} // namespace tornivex

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    tornivex::SilentDialogs dialogs;
    tornivex::SetSkinDialogs(&dialogs);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
