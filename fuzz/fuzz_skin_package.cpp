// The package reader on arbitrary bytes: it must answer false, throw ESkinError or unpack,
// and a successful read must account for every entry it reports.
#include <cstdint>
#include <cstdlib>

#include "FuzzSupport.h"
#include "SkinError.h"
#include "SkinPackage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tornivex::fuzz::InitOnce();
    const QByteArray package(reinterpret_cast<const char*>(data), qsizetype(size));
    tornivex::TacSkinConvertor convertor;
    try {
        if (tornivex::ReadSkinPackage(convertor, package)) {
            if (convertor.ConsumedBytes > package.size()) std::abort();
            if (convertor.ImageCount > int(convertor.Files.size())) std::abort();
            // What was read must pack and unpack to the same entries.
            std::vector<tornivex::TSkinPackageEntry> entries;
            if (convertor.Options) entries.push_back({QStringLiteral("Options.dat"), *convertor.Options});
            for (const auto& file : convertor.Files) entries.push_back({file.FileName, file.FileStream});
            tornivex::TacSkinConvertor again;
            if (!tornivex::ReadSkinPackage(again, tornivex::WriteSkinPackage(entries))) std::abort();
            if (again.Files.size() != convertor.Files.size()) std::abort();
        }
    } catch (const tornivex::ESkinError&) {
    }
    return 0;
}
