// Painting the active skin's elements at the sizes the program uses them.
#include "InternalSkins.h"
#include "platform/text/TextFormat.h"
#include "skin/paint/BitmapPrimitives.h"
#include "skin/paint/Decorations.h"
#include "skin/paint/DevicePixels.h"
#include "skin/paint/ElementPaint.h"
#include "skin/paint/ElementText.h"
#include "skin/paint/FormFrame.h"
#include "skin/paint/TextGlow.h"
#include "skin/paint/sCommonData.h"

#include "skin/data/sSkinManager.h"

#include <QFont>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace tornivex::paint {
namespace {

TsSkinManager& ActiveSkin() {
    static const auto manager = [] {
        auto m = std::make_unique<TsSkinManager>();
        for (const InternalSkinPackage& p : InternalSkinPackages()) m->InternalSkins().Add(p.Name, p.Data);
        m->SetSkinName(QStringLiteral("Aluminium (internal)"));
        return m;
    }();
    return *manager;
}

QFont CaptionFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    return font;
}

// The form's client background, as a button's parent would hand it out.
const TBitmap32& FormBackground() {
    static const TBitmap32 form = [] {
        TBitmap32 bmp(541, 206);
        const TRect all{0, 0, 541, 206};
        TElementPaint formElement;
        formElement.Section = ActiveSkin().GetSkinIndex(QStringLiteral("FORM"));
        formElement.Rect = all;
        formElement.Background = BackgroundSourceFromColor(clWhite);
        PaintElementByIndex(bmp, formElement, &ActiveSkin());
        return bmp;
    }();
    return form;
}

void BM_PaintButton137x25(benchmark::State& state) {
    const int section = ActiveSkin().GetSkinIndex(QStringLiteral("BUTTON"));
    TBitmap32 cache(137, 25);
    TElementPaint button;
    button.Section = section;
    button.State = static_cast<int>(state.range(0));
    button.Rect = TRect{0, 0, 137, 25};
    button.Background = BackgroundSourceFromBitmap(&FormBackground(), TPoint{200, 150});
    for (auto _ : state) {
        PaintElementByIndex(cache, button, &ActiveSkin());
        benchmark::DoNotOptimize(cache.Pixels().data());
    }
}
BENCHMARK(BM_PaintButton137x25)->Arg(0)->Arg(1)->Arg(2);

void BM_PaintForm541x206(benchmark::State& state) {
    const int section = ActiveSkin().GetSkinIndex(QStringLiteral("FORM"));
    TBitmap32 cache(541, 206);
    TElementPaint form;
    form.Section = section;
    form.Rect = TRect{0, 0, 541, 206};
    form.Background = BackgroundSourceFromColor(clWhite);
    for (auto _ : state) {
        PaintElementByIndex(cache, form, &ActiveSkin());
        benchmark::DoNotOptimize(cache.Pixels().data());
    }
}
BENCHMARK(BM_PaintForm541x206);

// The main window's form section, frame size and title picture, as its provider sets them up.
struct MainWindowPicture {
    MainWindowPicture() {
        formData.FSkinManager = &ActiveSkin();
        formData.SkinIndex = ActiveSkin().GetSkinIndex(QStringLiteral("FORM"));
        formData.Texture = ActiveSkin().GetTextureIndex(formData.SkinIndex, QStringLiteral("PATTERN"));
        formData.HotTexture = ActiveSkin().GetTextureIndex(formData.SkinIndex, QStringLiteral("HOTPATTERN"));
        frame.Width = 541;
        frame.Height = 206;
        picture.TitleIndex = ActiveSkin().GetSkinIndex(QStringLiteral("FORMTITLE"));
        picture.Caption = QStringLiteral("4th Axis Tornivex");
        picture.CaptionFont = CaptionFont();
        picture.CaptionFont.setBold(true);
    }
    TsCommonData formData;
    TFormFrameInput frame;
    TFormPicture picture;
};

// The main window's whole picture as its provider builds it: form section, title strip, caption,
// the saved strip behind the close button and the button.
void BM_PaintAll541x206(benchmark::State& state) {
    MainWindowPicture main;
    TsCommonData& formData = main.formData;
    TFormFrameInput& frame = main.frame;
    TFormPicture& picture = main.picture;
    picture.FormActive = int(state.range(0));
    TFormTitleLayout layout;
    TBitmap32 cache, temp;
    for (auto _ : state) {
        PaintAll(formData, frame, picture, layout, cache, temp);
        benchmark::DoNotOptimize(cache.Pixels().data());
    }
}
BENCHMARK(BM_PaintAll541x206)->Arg(1)->Arg(0);

// The same window on a screen of ratio 2 (range 0) or 1.5 (range 1), as the provider builds it
// there: the picture without the caption's glyphs, every logical pixel onto its block of the
// device grid, then the caption at the device's resolution.
void BM_PaintAllScaled(benchmark::State& state) {
    const double ratio = state.range(0) == 0 ? 2.0 : 1.5;
    MainWindowPicture main;
    TsCommonData& formData = main.formData;
    TFormFrameInput& frame = main.frame;
    TFormPicture& picture = main.picture;
    picture.FormActive = 1;
    picture.WithCaptionText = false;
    TFormTitleLayout layout;
    TBitmap32 cache, temp, device;
    for (auto _ : state) {
        PaintAll(formData, frame, picture, layout, cache, temp);
        ScaleToDevice(cache, device, ratio);
        DrawCaptionText(formData, frame, picture, layout, device, ratio);
        benchmark::DoNotOptimize(device.Pixels().data());
    }
}
BENCHMARK(BM_PaintAllScaled)->Arg(0)->Arg(1);

// "Calculate" in the hot set of [BUTTON]: glow of size 2, then the text.
void BM_CaptionWithGlow(benchmark::State& state) {
    TsCommonData data;
    data.FSkinManager = &ActiveSkin();
    data.SkinIndex = ActiveSkin().GetSkinIndex(QStringLiteral("BUTTON"));
    data.FCacheBmp = std::make_unique<TBitmap32>(137, 25, 0xFF3060A0u);
    TTextCanvas canvas{*data.FCacheBmp, CaptionFont(), clBlack};
    const std::uint32_t flags = platform::tfCenter | platform::tfVCenter | platform::tfSingleLine;
    for (auto _ : state) {
        WriteElementText(canvas, QStringLiteral("Calculate"), true, true, data, flags, TRect{0, 0, 137, 25});
        benchmark::DoNotOptimize(data.FCacheBmp->Pixels().data());
    }
}
BENCHMARK(BM_CaptionWithGlow);

void BM_TextGlowOnly(benchmark::State& state) {
    TBitmap32 cache(137, 25, 0xFF3060A0u);
    const QFont font = CaptionFont();
    for (auto _ : state) {
        DrawTextGlow(cache, QStringLiteral("Calculate"), TRect{36, 5, 100, 19}, 0x9F8133, 2,
                     platform::tfSingleLine, font);
        benchmark::DoNotOptimize(cache.Pixels().data());
    }
}
BENCHMARK(BM_TextGlowOnly);

void BM_FocusRect(benchmark::State& state) {
    TBitmap32 cache(137, 25, 0xFF3060A0u);
    for (auto _ : state) {
        DrawElementFocusRect(cache, TRect{3, 3, 134, 22}, clBlack, clWhite);
        benchmark::DoNotOptimize(cache.Pixels().data());
    }
}
BENCHMARK(BM_FocusRect);

void BM_BlendColorOver541x206(benchmark::State& state) {
    TBitmap32 bmp(541, 206, 0xFF808080u);
    for (auto _ : state) {
        BlendColorOver(bmp, TRect{0, 0, 541, 206}, 50, 0x336699);
        benchmark::DoNotOptimize(bmp.Pixels().data());
    }
}
BENCHMARK(BM_BlendColorOver541x206);

}  // namespace
}  // namespace tornivex::paint

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
