// Painting the About memo's skinned vertical bar, and a hot-tracking tick that changes nothing.
#include "InternalSkins.h"
#include "ScrollBarWidget.h"
#include "TacEditWnd.h"
#include "sMemo.h"
#include "sSkinManagerWidgets.h"

#include "skin/data/sSkinManager.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <memory>

namespace tornivex {

// The About dialog's memo: 233 x 67 with 27 lines, skinned by "Aluminium (internal)".
struct MemoSetup {
    MemoSetup() {
        manager.SetIsDefault(true);
        AddInternalSkins(manager.InternalSkins());
        manager.SetSkinName(QStringLiteral("Aluminium (internal)"));
        window.resize(242, 143);
        memo = new TsMemo(&window);
        memo->setGeometry(4, 5, 233, 67);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QStringList lines;
        for (int i = 1; i <= 27; ++i) lines << QStringLiteral("Line %1 of the notice").arg(i);
        memo->setPlainText(lines.join(u'\n'));
        memo->Loaded();
        window.show();
        QApplication::processEvents();
    }
    TsSkinManager manager;
    QWidget window;
    TsMemo* memo = nullptr;
};

// Built on first use and taken down before the application object goes.
std::unique_ptr<MemoSetup>& SetupSlot() {
    static std::unique_ptr<MemoSetup> setup;
    return setup;
}
MemoSetup& Setup() {
    if (!SetupSlot()) SetupSlot() = std::make_unique<MemoSetup>();
    return *SetupSlot();
}

void BM_PaintVerticalBar(benchmark::State& state) {
    TacScrollBarWidget* bar = Setup().memo->ListSW()->sBarVert;
    bar->Render();  // the memo's frame image, which the bar is painted over, is ready from here on
    for (auto _ : state) benchmark::DoNotOptimize(bar->Render().Pixels().data());
    state.counters["height"] = bar->height();
}
BENCHMARK(BM_PaintVerticalBar);

// A host whose cursor rests over the thumb: every tick finds the same part.
class RestingHost : public IScrollBarHost {
public:
    TScrollInfo PlatformScrollInfo() const override { return TScrollInfo{0, 26, 4, 11, 11}; }
    bool ArrowsEnabled() const override { return true; }
    void SendScroll(int, int) override {}
    TPoint CursorPos() const override { return TPoint{8, 30}; }
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}
    void RepaintBar() override { ++Repaints; }
    int Repaints = 0;
};

void BM_HoverTickWithoutChange(benchmark::State& state) {
    RestingHost host;
    TacScrollBar bar(sbVert, host);
    bar.SetBounds(17, 63);
    bar.SetMetrics(TScrollBarMetrics{17, 17, 16});
    bar.RefreshScrollInfo();
    bar.MouseMove(host.CursorPos());
    const int before = host.Repaints;
    for (auto _ : state) bar.TimerTick(TacScrollBar::HoverTimer);
    state.counters["repaints"] = host.Repaints - before;
}
BENCHMARK(BM_HoverTickWithoutChange);

}  // namespace tornivex

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tornivex::InstallSkinManagerWidgets();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tornivex::SetupSlot().reset();
    return 0;
}
