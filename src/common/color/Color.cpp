#include "Color.h"

#include <array>
#include <utility>

namespace tornivex {
namespace {

// Classic desktop system colours, indexed by system colour number (0x00BBGGRR).
constexpr std::array<TColor, 31> BuiltInSystemColors = {
    0xC8D0D4, 0x6D3A0A, 0x6A240A, 0xC8D0D4, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
    0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xFF9933, 0xC8D0D4,
};

SystemColorResolver& Resolver() {
    static SystemColorResolver resolver;
    return resolver;
}

} // namespace

TColor ColorToRGB(TColor color) {
    if (!IsSystemColor(color)) return color;
    const int index = color & 0xFF;
    if (const auto& resolver = Resolver()) return resolver(index) & 0xFFFFFF;
    return index < static_cast<int>(BuiltInSystemColors.size()) ? BuiltInSystemColors[index] : 0;
}

void SetSystemColorResolver(SystemColorResolver resolver) { Resolver() = std::move(resolver); }

} // namespace tornivex
