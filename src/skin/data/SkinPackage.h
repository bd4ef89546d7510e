#pragma once
// The skin package: "ASzf", a little-endian 32-bit entry count, then per entry the name length,
// the name (8-bit), the uncompressed size and one zlib stream. There is no table of contents:
// an entry starts right after the previous entry's zlib stream.
#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace tornivex {

inline constexpr char SkinPackageMagic[4] = {'A', 'S', 'z', 'f'};
inline constexpr char OptionsEntryName[] = "Options.dat";

// One image file of an unpacked package.
struct TacImageItem {
    QString FileName;       // the entry name exactly as stored
    bool IsBitmap = false;  // upper-cased extension is ".BMP"
    QByteArray FileStream;  // the uncompressed bytes
};

// The result of reading a package.
class TacSkinConvertor {
public:
    std::optional<QByteArray> Options; // the options text, when the package had one
    const QByteArray* PackedData = nullptr; // the package being read; borrowed, never owned
    int ImageCount = 0;                // entries minus one, limited to the image items read
    std::vector<TacImageItem> Files;   // image entries in package order
    qsizetype ConsumedBytes = 0;       // bytes up to the end of the last entry read

    // Frees the image streams (last first), then the options stream.
    void Clear();
};

// One entry to pack.
struct TSkinPackageEntry {
    QString Name;
    QByteArray Data;
};

// Unpacks `package` into `convertor` (cleared first). Returns false when the magic is wrong,
// after showing "Loaded data is not a packed Vantreo file" through SkinDialogs(). Throws
// ESkinError for a truncated package or a corrupt zlib stream, naming the entry.
bool ReadSkinPackage(TacSkinConvertor& convertor, const QByteArray& package);

// Reads a package file. Does nothing and answers false when the file does not exist; throws
// ESkinError when it cannot be read. The convertor never keeps a pointer to the file's bytes.
bool ReadSkinPackageFile(const QString& fileName, TacSkinConvertor& convertor);

// Packs the entries in order, each as one zlib stream with the header bytes 0x78 0xDA.
// Throws ESkinError for an empty entry or a name that is not 8-bit text.
QByteArray WriteSkinPackage(const std::vector<TSkinPackageEntry>& entries);

// True when `name` is the options entry ("Options.dat" in any letter case).
bool IsOptionsEntryName(const QString& name);

} // namespace tornivex
