#pragma once
// The one reader of BMP file headers: every field is checked before any arithmetic uses it, so a
// forged header is refused with a reason instead of overflowing a size computation. The image
// decoder, the master image and the skin tool all read headers through it.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace tornivex {

// Skin images are small; a header claiming more is refused before anything is allocated.
inline constexpr int MaxSkinImageSide = 16384;
inline constexpr std::int64_t MaxSkinImagePixels = std::int64_t(4096) * 4096;

struct TBmpHeader {
    std::uint32_t DataOffset = 0;   // where the pixel rows start
    std::uint32_t HeaderSize = 0;   // 12 (core header) or 40 and more
    int Width = 0;                  // 1..MaxSkinImageSide
    int Height = 0;                 // 1..MaxSkinImageSide, rows counted whichever way they run
    bool TopDown = false;           // a negative height in the file
    int BitCount = 0;               // 1, 4, 8, 16, 24 or 32
    std::uint32_t Compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields

    // Bytes of one stored row (padded to 4 bytes) of an uncompressed image.
    std::int64_t RowBytes() const { return (std::int64_t(Width) * BitCount + 31) / 32 * 4; }
    bool IsRunLength() const { return Compression == 1 || Compression == 2; }
};

struct TBmpHeaderResult {
    std::optional<TBmpHeader> Header;
    QString Problem;  // why there is no header, for example "the width 0 is outside 1..16384"
};

// Reads and checks the file and info headers of `bytes`. An uncompressed image must also hold
// every row its header announces (a short file is refused, not filled with zeros).
TBmpHeaderResult ReadBmpHeader(const QByteArray& bytes);

} // namespace tornivex
