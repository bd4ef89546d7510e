// A whole skin load from package bytes through the manager, as the program loads its skins: a
// broken package must leave the manager with its previous (empty) state and never crash.
#include <cstdint>
#include <cstdlib>

#include "FuzzSupport.h"
#include "sSkinManager.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tornivex::fuzz::InitOnce();
    tornivex::TsSkinManager manager;
    manager.InternalSkins().Add(QStringLiteral("Fuzzed"),
                                QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    manager.BeginLoading();
    manager.SetSkinName(QStringLiteral("Fuzzed"));
    manager.Loaded();
    for (const auto& md : manager.ma())
        if (md.Bmp && md.Bmp->Pixels().size() != std::size_t(md.Bmp->Width()) * std::size_t(md.Bmp->Height()))
            std::abort();
    if (!manager.gd().empty() && manager.GetSkinIndex(QStringLiteral("TRANSPARENT")) < 0) std::abort();
    return 0;
}
