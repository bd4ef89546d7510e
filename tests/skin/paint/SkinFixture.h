#pragma once
// Hand-built skin tables for element painting tests: sections and image rows with images whose
// pixels encode where they came from, so every drawn pixel can be traced to its source.

#include "skin/data/LoadedSkin.h"
#include "skin/data/sSkinManager.h"

#include <memory>

namespace tornivex::paint::test {

// Pixel that names its source: frame in red, x in green, y in blue, opaque.
constexpr TPixel32 Traced(int frame, int x, int y) {
    return 0xFF000000u | (TPixel32(frame) << 16) | (TPixel32(x) << 8) | TPixel32(y);
}

class SkinFixture {
public:
    SkinFixture() : manager_(std::make_unique<TsSkinManager>()) {}

    TLoadedSkin Skin;

    // Appends a section with one state set used for both; answers its index.
    int AddSection(int states, TColor color, int transparency = 0) {
        TsGeneralData section;
        section.ClassName = QStringLiteral("S%1").arg(Skin.gd.size());
        section.States = states;
        for (TsGenState& p : section.Props) {
            p.Color = color;
            p.Transparency = transparency;
        }
        Skin.gd.push_back(section);
        return static_cast<int>(Skin.gd.size()) - 1;
    }
    TsGeneralData& Section(int index) { return Skin.gd[static_cast<std::size_t>(index)]; }

    // Appends an image row with its own image: `frames` frames of fw x fh traced pixels, with a
    // mask half of `maskValue` grey when `masked`.
    int AddTracedRow(int frames, int fw, int fh, bool masked, int drawMode, int wl, int wt, int wr, int wb,
                     TPixel32 maskValue = 0xFF000000u) {
        auto bmp = std::make_shared<TBitmap32>(frames * fw, masked ? 2 * fh : fh);
        for (int f = 0; f < frames; ++f)
            for (int y = 0; y < fh; ++y)
                for (int x = 0; x < fw; ++x) {
                    bmp->Pixel(f * fw + x, y) = Traced(f, x, y);
                    if (masked) bmp->Pixel(f * fw + x, fh + y) = maskValue;
                }
        TsMaskData md;
        md.Bmp = bmp;
        md.R = TRect{0, 0, bmp->Width(), bmp->Height()};
        md.ImageCount = static_cast<std::int16_t>(frames);
        md.MaskType = masked ? 1 : 0;
        md.DrawMode = static_cast<std::int16_t>(drawMode);
        md.WL = static_cast<std::int16_t>(wl);
        md.WT = static_cast<std::int16_t>(wt);
        md.WR = static_cast<std::int16_t>(wr);
        md.WB = static_cast<std::int16_t>(wb);
        md.Manager = manager_.get();
        Skin.ma.push_back(md);
        return static_cast<int>(Skin.ma.size()) - 1;
    }
    TsMaskData& Row(int index) { return Skin.ma[static_cast<std::size_t>(index)]; }
    const TsSkinManager* Manager() const { return manager_.get(); }

private:
    std::unique_ptr<TsSkinManager> manager_;  // only marks rows as owned; its tables stay empty
};

}  // namespace tornivex::paint::test
