#pragma once
// What one skin may hold. Real skins stay far below every limit (the internal ones have about 70
// sections, 200 image rows and parent chains 3 deep); the limits keep a hostile or broken skin from
// making a load take minutes or gigabytes. Each is refused with an ESkinError naming the limit.
#include <QByteArray>

#include <cstdint>

#include "OptionsText.h"

namespace tornivex {

inline constexpr qsizetype MaxOptionsTextBytes = qsizetype(8) * 1024 * 1024;
inline constexpr int MaxSkinSections = 50000;
inline constexpr int MaxSkinImageRows = 20000;
inline constexpr int MaxParentChainDepth = 64;     // sections in one chain, the first included
inline constexpr std::int64_t MaxDecodedSkinPixels = std::int64_t(32) * 1024 * 1024;

// The options text parsed, after its size and section count are checked.
TSkinOptions ParseSkinOptionsWithinLimits(const QByteArray& text);

// Refuses more sections than MaxSkinSections and a parent chain longer than MaxParentChainDepth.
// A chain that loops counts its distinct sections (a loop ends as "not found" when read).
void CheckSkinStructureLimits(const TSkinOptions& options);

// Adds `pixels` to `total`, refusing a total above MaxDecodedSkinPixels; `what` names the image.
void CountDecodedPixels(std::int64_t& total, std::int64_t pixels, const QString& what);

} // namespace tornivex
