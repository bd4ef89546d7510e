#include "ColorAdjust.h"

#include <algorithm>
#include <cmath>

#include "LoadedSkin.h"

namespace tornivex {
namespace {

int Clamp255(int v) { return std::clamp(v, 0, 255); }

struct Rgb {
    int r, g, b;
};

Rgb Saturate(Rgb c, int amount) {
    const int grey = (c.r * 77 + c.g * 151 + c.b * 28) >> 8;
    auto f = [&](int v) { return Clamp255(grey + (v - grey) * (255 + amount) / 255); };
    return {f(c.r), f(c.g), f(c.b)};
}

Rgb Brighten(Rgb c, int percent) {
    auto f = [&](int v) {
        return percent >= 0 ? Clamp255(v + (255 - v) * percent / 100) : Clamp255(v * (100 + percent) / 100);
    };
    return {f(c.r), f(c.g), f(c.b)};
}

Rgb Rotate(Rgb c, int degrees) {
    const int maxC = std::max({c.r, c.g, c.b});
    const int minC = std::min({c.r, c.g, c.b});
    const int delta = maxC - minC;
    if (delta == 0) return c;
    double h = 0;
    if (maxC == c.r) h = 60.0 * std::fmod((c.g - c.b) / double(delta) + 6.0, 6.0);
    else if (maxC == c.g) h = 60.0 * ((c.b - c.r) / double(delta) + 2.0);
    else h = 60.0 * ((c.r - c.g) / double(delta) + 4.0);
    h = std::fmod(h + degrees % 360 + 360.0, 360.0);
    const double v = maxC;
    const double s = delta / v;
    const double chroma = v * s;
    const double x = chroma * (1 - std::fabs(std::fmod(h / 60.0, 2.0) - 1));
    const double m = v - chroma;
    double r = 0, g = 0, b = 0;
    switch (int(h / 60.0) % 6) {
    case 0: r = chroma, g = x; break;
    case 1: r = x, g = chroma; break;
    case 2: g = chroma, b = x; break;
    case 3: g = x, b = chroma; break;
    case 4: r = x, b = chroma; break;
    default: r = chroma, b = x; break;
    }
    return {Clamp255(int(std::lround(r + m))), Clamp255(int(std::lround(g + m))), Clamp255(int(std::lround(b + m)))};
}

template <typename F> TColor MapColor(TColor color, F f) {
    if (color == clNone) return color;
    const TColor plain = ColorToRGB(color);
    const Rgb out = f(Rgb{ColorR(plain), ColorG(plain), ColorB(plain)});
    return MakeColor(out.r, out.g, out.b);
}

template <typename F> void MapBitmap(TBitmap32& bmp, F f) {
    for (TPixel32& p : bmp.Pixels()) {
        if ((p & 0x00FFFFFF) == KeyPixel32) continue;
        const Rgb out = f(Rgb{PixelR(p), PixelG(p), PixelB(p)});
        p = MakePixel32(std::uint8_t(out.r), std::uint8_t(out.g), std::uint8_t(out.b), PixelA(p));
    }
}

bool IsAdjustableSlot(int slot) {
    return slot <= pcEditBG_EvenRow || slot == pcBorder;
}

template <typename F> void MapSkinColors(TLoadedSkin& skin, F f) {
    for (TsGeneralData& row : skin.gd)
        for (TsGenState& state : row.Props) {
            state.Color = MapColor(state.Color, f);
            state.GlowColor = MapColor(state.GlowColor, f);
            for (TColor* c : {&state.FontColor.Color, &state.FontColor.Left, &state.FontColor.Top,
                              &state.FontColor.Right, &state.FontColor.Bottom})
                *c = MapColor(*c, f);
            for (TsGradPie& pie : state.GradientArray) {
                pie.Color1 = MapColor(pie.Color1, f);
                pie.Color2 = MapColor(pie.Color2, f);
            }
        }
    skin.CommonSkinData.Shadow1Color = MapColor(skin.CommonSkinData.Shadow1Color, f);
    for (int slot = 0; slot < PaletteColorCount; ++slot)
        if (IsAdjustableSlot(slot)) skin.Palette[std::size_t(slot)] = MapColor(skin.Palette[std::size_t(slot)], f);
}

template <typename F> void MapSkinImages(TLoadedSkin& skin, F f) {
    if (skin.MasterBitmap) MapBitmap(*skin.MasterBitmap, f);
    for (TacExtFileData& file : skin.ExtArray)
        if (file.Bmp) MapBitmap(*file.Bmp, f);
}

// Pixels of the title-button glyphs that keep their hue through a hue rotation.
std::vector<std::pair<TRect, std::vector<TPixel32>>> SaveGlyphs(const TLoadedSkin& skin) {
    std::vector<std::pair<TRect, std::vector<TPixel32>>> saved;
    const int keep = skin.CommonSkinData.BIKeepHUE;
    if (keep < 1 || !skin.MasterBitmap) return saved;
    static const char* const closeKeys[] = {"BICONCLOSE", "BICLOSEALONE", "SICONCLOSE"};
    static const char* const otherKeys[] = {"BICONMAX", "BICONNORM", "BICONMIN", "BICONHELP",
                                            "SICONMAX",  "SICONNORM", "SICONMIN", "SICONHELP"};
    auto save = [&](const char* key) {
        const int index = skin.GetMaskIndex(QStringLiteral("GLOBALINFO"), QString::fromLatin1(key));
        if (index < 0 || skin.ma[std::size_t(index)].Bmp) return;
        const TBitmap32& master = *skin.MasterBitmap;
        TRect r = skin.ma[std::size_t(index)].R;
        r.Left = std::max(r.Left, 0), r.Top = std::max(r.Top, 0);
        r.Right = std::min(r.Right, master.Width()), r.Bottom = std::min(r.Bottom, master.Height());
        if (r.IsEmpty()) return;
        std::vector<TPixel32> pixels;
        for (int y = r.Top; y < r.Bottom; ++y)
            pixels.insert(pixels.end(), master.Scanline(y) + r.Left, master.Scanline(y) + r.Right);
        saved.emplace_back(r, std::move(pixels));
    };
    for (const char* key : closeKeys) save(key);
    if (keep == 1)
        for (const char* key : otherKeys) save(key);
    return saved;
}

} // namespace

TColor SaturateColor(TColor color, int amount) {
    return MapColor(color, [=](Rgb c) { return Saturate(c, amount); });
}
TColor BrightenColor(TColor color, int percent) {
    return MapColor(color, [=](Rgb c) { return Brighten(c, percent); });
}
TColor RotateHue(TColor color, int degrees) {
    return MapColor(color, [=](Rgb c) { return Rotate(c, degrees); });
}
void SaturateBitmap(TBitmap32& bmp, int amount) {
    MapBitmap(bmp, [=](Rgb c) { return Saturate(c, amount); });
}
void BrightenBitmap(TBitmap32& bmp, int percent) {
    MapBitmap(bmp, [=](Rgb c) { return Brighten(c, percent); });
}
void RotateHueBitmap(TBitmap32& bmp, int degrees) {
    MapBitmap(bmp, [=](Rgb c) { return Rotate(c, degrees); });
}

void AdjustSkinColors(TLoadedSkin& skin, int hueOffset, int saturation, int brightness) {
    if (saturation != 0) {
        const int amount = std::clamp(int(std::lround(saturation * 2.55)), -255, 255);
        auto f = [=](Rgb c) { return Saturate(c, amount); };
        MapSkinImages(skin, f);
        MapSkinColors(skin, f);
    }
    if (brightness != 0) {
        const int percent = std::clamp(brightness, -100, 100);
        auto f = [=](Rgb c) { return Brighten(c, percent); };
        MapSkinImages(skin, f);
        MapSkinColors(skin, f);
    }
    if (hueOffset != 0 && skin.MasterBitmap) {
        const auto saved = SaveGlyphs(skin);
        RotateHueBitmap(*skin.MasterBitmap, hueOffset);
        for (const auto& [r, pixels] : saved) {
            auto it = pixels.begin();
            for (int y = r.Top; y < r.Bottom; ++y, it += r.Width())
                std::copy(it, it + r.Width(), skin.MasterBitmap->Scanline(y) + r.Left);
        }
    }
}

} // namespace tornivex
