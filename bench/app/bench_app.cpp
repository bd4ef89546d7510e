// Start-up and calculation costs of the windows, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

#include "Fonts.h"
#include "LocaleSettings.h"
#include "SkinControl.h"
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

// A skin chosen in the window menu: the load, the broadcast to both windows, remembering the
// choice, and both windows repainted. Alternates between the two internal skins.
void BM_SwitchSkinFromMenu(benchmark::State& state) {
    QTemporaryDir temp;
    QSettings settings(temp.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    TForm1 form1;
    TForm2 form2(&form1);
    auto* skins = new TSkinControl(form1, settings, QString());
    form1.show();
    form2.show();
    QCoreApplication::processEvents();
    const QString names[] = {QStringLiteral("Topaz (internal)"), QStringLiteral("Aluminium (internal)")};
    int next = 0;
    for (auto _ : state) {
        if (!skins->ChooseFromMenu(names[next])) state.SkipWithError("the skin did not load");
        form1.repaint();
        form2.repaint();
        next = 1 - next;
    }
}
BENCHMARK(BM_SwitchSkinFromMenu)->Unit(benchmark::kMillisecond);

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
