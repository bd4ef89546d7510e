#include "SkinLimits.h"

#include <algorithm>
#include <vector>

#include "OptionsReader.h"
#include "SkinError.h"

namespace tornivex {

TSkinOptions ParseSkinOptionsWithinLimits(const QByteArray& text) {
    if (text.size() > MaxOptionsTextBytes)
        throw ESkinError(QStringLiteral("The options text has %1 bytes; a skin may have at most %2.")
                             .arg(text.size()).arg(MaxOptionsTextBytes));
    TSkinOptions options = TSkinOptions::Parse(text);
    CheckSkinStructureLimits(options);
    return options;
}

void CheckSkinStructureLimits(const TSkinOptions& options) {
    if (options.SectionCount() > MaxSkinSections)
        throw ESkinError(QStringLiteral("The skin has %1 sections; a skin may have at most %2.")
                             .arg(options.SectionCount()).arg(MaxSkinSections));
    // Depths are remembered, so every section is walked once however the chains share parents.
    const TSkinOptionsReader reader(options);
    std::vector<int> depth(std::size_t(options.SectionCount()), 0);
    std::vector<int> chain;
    for (int start = 0; start < options.SectionCount(); ++start) {
        chain.clear();
        int at = start;
        while (at >= 0 && depth[std::size_t(at)] == 0 &&
               std::find(chain.begin(), chain.end(), at) == chain.end() &&
               int(chain.size()) <= MaxParentChainDepth) {
            chain.push_back(at);
            at = reader.ParentOf(at);
        }
        const bool loops = at >= 0 && std::find(chain.begin(), chain.end(), at) != chain.end();
        int below = at >= 0 && !loops ? depth[std::size_t(at)] : 0;
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) depth[std::size_t(*it)] = ++below;
        if (below > MaxParentChainDepth)
            throw ESkinError(QStringLiteral("[%1] PARENTCLASS: the chain of parents is longer than %2 "
                                            "sections, the most a skin may have.")
                                 .arg(options.SectionAt(start).Name).arg(MaxParentChainDepth));
    }
}

void CountDecodedPixels(std::int64_t& total, std::int64_t pixels, const QString& what) {
    total += pixels;
    if (total > MaxDecodedSkinPixels)
        throw ESkinError(QStringLiteral("The image \"%1\" brings the skin's decoded images to %2 pixels; "
                                        "a skin may have at most %3.")
                             .arg(what).arg(total).arg(MaxDecodedSkinPixels));
}

} // namespace tornivex
