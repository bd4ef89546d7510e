// Start-up and calculation costs of the windows, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "Fonts.h"
#include "LocaleSettings.h"
#include "TApplication.h"
#include "Unit1.h"
#include "Unit2.h"
#include "sSkinManagerWidgets.h"

namespace {

using namespace tornivex;

// Building the main window: controls, fields formatting their design texts, the skin manager
// loading "Aluminium (internal)" and applying it; then the About dialog.
void BM_BuildWindows(benchmark::State& state) {
    for (auto _ : state) {
        TForm1 form1;
        TForm2 form2(&form1);
        benchmark::DoNotOptimize(&form2);
    }
}
BENCHMARK(BM_BuildWindows)->Unit(benchmark::kMillisecond);

// One click's work: read four fields, compute, set five captions.
void BM_Calculate(benchmark::State& state) {
    TForm1 form1;
    for (auto _ : state) form1.sButton1Click();
}
BENCHMARK(BM_Calculate)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::TApplication app(argc, argv);
    InstallSkinManagerWidgets();
    platform::RegisterInterfaceFont();
    ScopedFormatSettings locale(u'.', u',');
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
