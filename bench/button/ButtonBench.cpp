// The main window's "Calculate" (137 x 25 over the skinned form): rendering its cache in each
// state, and one step of a state fade.
#include "Fonts.h"
#include "LocaleSettings.h"
#include "TApplication.h"
#include "Unit1.h"
#include "sSkinManagerWidgets.h"

#include "skin/paint/BitmapImage.h"
#include "skin/paint/StateAnimation.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace tornivex {
namespace {

// Built on first use, destroyed in main while the application still exists.
std::unique_ptr<TForm1> form;

TForm1& Form() {
    if (!form) {
        form = std::make_unique<TForm1>();
        form->show();
        QCoreApplication::processEvents();
    }
    return *form;
}

// Puts the button into state 0 (normal), 1 (hot) or 2 (pressed).
TsButton& ButtonIn(int state) {
    TsButton& button = *Form().sButton1;
    Form().degED1->setFocus();
    button.SkinData()->FMouseAbove = state >= 1;
    button.SetDown(state == 2);
    return button;
}

void BM_ButtonCache(benchmark::State& state) {
    TsButton& button = ButtonIn(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        button.SkinData()->FBGChanged = true;
        benchmark::DoNotOptimize(button.PrepareButtonCache());
    }
    ButtonIn(0);
}
BENCHMARK(BM_ButtonCache)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A button whose fade frames go into a window-sized picture with QPainter, as the paint handler
// copies them into the window's backing store.
class ScreenOwner final : public TWidgetSkinOwner {
public:
    using TWidgetSkinOwner::TWidgetSkinOwner;
    void ShowFrame(const TBitmap32& frame) override {
        const QImage image(reinterpret_cast<const uchar*>(frame.Pixels().data()), frame.Width(), frame.Height(),
                           frame.Width() * 4, QImage::Format_RGB32);
        QPainter painter(&screen);
        painter.drawImage(11, 171, image);
    }
    QImage screen{541, 206, QImage::Format_RGB32};
};

// One step of the fade from normal to hot: BmpFrom copied to BmpOut, BmpTo blended over it by
// the step's weight, BmpOut put on the screen.
void BM_FadeStep(benchmark::State& state) {
    TsButton& button = ButtonIn(0);
    button.PrepareButtonCache();
    ScreenOwner owner(&button);
    TsCtrlSkinData data(&owner, true);
    data.SetSkinManager(Form().sSkinManager1);
    data.SkinIndex = button.SkinData()->SkinIndex;
    *data.FCacheBmp = *button.SkinData()->FCacheBmp;
    data.AnimTimer = std::make_unique<TacThreadedTimer>();
    TacThreadedTimer& timer = *data.AnimTimer;
    timer.BmpFrom = std::make_unique<TBitmap32>(*data.FCacheBmp);
    ButtonIn(1).PrepareButtonCache();
    timer.BmpTo = std::make_unique<TBitmap32>(*button.SkinData()->FCacheBmp);
    timer.InitData(data, 0, false, 1, FadeStep);
    timer.SetEnabled(false);  // steps are run by hand below
    for (auto _ : state) {
        timer.Glow = 100;  // a weight in the middle of the fade, the same every step
        timer.Iteration = 3;
        benchmark::DoNotOptimize(FadeStep(data, timer.Iteration));
    }
    ButtonIn(0);
}
BENCHMARK(BM_FadeStep)->Unit(benchmark::kMicrosecond);

// The same step through the real widget: the frame goes to the screen by a synchronous repaint
// of the button (paint event, copy into the backing store, flush of the offscreen window).
void BM_FadeStepThroughWidget(benchmark::State& state) {
    TsButton& button = ButtonIn(0);
    button.repaint();
    TsCtrlSkinData& data = *button.SkinData();
    data.FBGChanged = false;
    data.FMouseAbove = true;
    AnimateStateChange(data, 1, FadeStep, true, false, true);
    TacThreadedTimer& timer = *data.AnimTimer;
    timer.Iterations = 10;  // a fade in the middle of its steps, whatever an earlier run left
    timer.FState = 1;
    timer.SetEnabled(true);  // no event loop runs here: the timer never ticks by itself
    for (auto _ : state) {
        timer.Glow = 100;
        timer.Iteration = 3;
        benchmark::DoNotOptimize(FadeStep(data, timer.Iteration));
    }
    data.StopAnimation();
    ButtonIn(0);
}
BENCHMARK(BM_FadeStepThroughWidget)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tornivex

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    tornivex::platform::TApplication app(argc, argv);
    tornivex::InstallSkinManagerWidgets();
    tornivex::platform::RegisterInterfaceFont();
    tornivex::ScopedFormatSettings locale(u'.', u',');
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tornivex::form.reset();
    return 0;
}
