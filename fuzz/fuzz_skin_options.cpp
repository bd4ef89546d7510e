// The options parser and the table builder on arbitrary options text (no images): every
// outcome is a complete table or an ESkinError, and look-ups on the result stay in range.
#include <cstdint>
#include <cstdlib>

#include "FuzzSupport.h"
#include "SkinError.h"
#include "SkinLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tornivex::fuzz::InitOnce();
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const tornivex::TSkinOptions options = tornivex::TSkinOptions::Parse(text);
    try {
        tornivex::TSkinLoader loader(options, tornivex::TSkinImageSource{}, tornivex::TSkinLoadSettings{});
        const tornivex::TLoadedSkin skin = loader.Load();
        for (std::size_t i = 0; i < skin.gd.size(); ++i) {
            const auto& row = skin.gd[i];
            for (int index : {row.BorderIndex, row.ImgTL, row.ImgBR, row.TextureNormal, row.Props[1].TextureIndex})
                if (index < -1 || index >= int(skin.ma.size())) std::abort();
            if (row.BorderIndex >= 0) (void)skin.MaskWidthTop(row.BorderIndex);
        }
        if (skin.GetSkinIndex(QStringLiteral("TRANSPARENT")) < 0) std::abort();
    } catch (const tornivex::ESkinError&) {
    }
    return 0;
}
