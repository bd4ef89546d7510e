#include "SkinPackage.h"

#include <QFile>

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "SkinDialogs.h"
#include "SkinError.h"

namespace tornivex {
namespace {

// deflate never expands beyond this ratio, so a larger declared size cannot be genuine; the
// check keeps a forged size from allocating gigabytes.
constexpr qint64 MaxInflateRatio = 1032;

quint32 ReadUInt32(const QByteArray& data, qsizetype pos) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData()) + pos;
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

void AppendUInt32(QByteArray& out, quint32 value) {
    const char bytes[4] = {char(value & 0xFF), char((value >> 8) & 0xFF),
                           char((value >> 16) & 0xFF), char((value >> 24) & 0xFF)};
    out.append(bytes, 4);
}

QString EntryLabel(quint32 index, const QString& name) {
    return name.isEmpty() ? QStringLiteral("entry %1").arg(index)
                          : QStringLiteral("entry %1 (\"%2\")").arg(index).arg(name);
}

[[noreturn]] void Truncated(quint32 index, const QString& name, const char* what) {
    throw ESkinError(QStringLiteral("Skin package is truncated: %1 ends inside its %2.")
                         .arg(EntryLabel(index, name), QLatin1String(what)));
}

// Inflates one zlib stream starting at `pos` into exactly `size` bytes; answers the number of
// compressed bytes the stream occupied (header to Adler-32 trailer).
qsizetype InflateEntry(const QByteArray& package, qsizetype pos, quint32 size, quint32 index,
                       const QString& name, QByteArray& out) {
    const qsizetype available = package.size() - pos;
    if (available <= 0) Truncated(index, name, "compressed data");
    if (qint64(size) > qint64(available) * MaxInflateRatio + 64)
        throw ESkinError(QStringLiteral("Skin package is corrupt: %1 declares %2 bytes, more than "
                                        "its compressed data can hold.")
                             .arg(EntryLabel(index, name))
                             .arg(size));
    out = QByteArray(qsizetype(size), Qt::Uninitialized);

    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) throw ESkinError(QStringLiteral("Cannot start decompression."));
    struct Guard {
        z_stream* s;
        ~Guard() { inflateEnd(s); }
    } guard{&zs};

    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(package.constData() + pos));
    zs.avail_in = static_cast<uInt>(std::min<qsizetype>(available, std::numeric_limits<uInt>::max()));
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = size;

    int rc = Z_OK;
    while (rc == Z_OK) {
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc == Z_OK && zs.avail_out == 0) {
            // Output is full: the stream must end here without producing more.
            unsigned char probe = 0;
            zs.next_out = &probe;
            zs.avail_out = 1;
            rc = inflate(&zs, Z_NO_FLUSH);
            if (zs.avail_out == 0)
                throw ESkinError(QStringLiteral("Skin package is corrupt: %1 inflates to more than "
                                                "its declared %2 bytes.")
                                     .arg(EntryLabel(index, name))
                                     .arg(size));
        }
        if (rc == Z_BUF_ERROR && zs.avail_in == 0) Truncated(index, name, "compressed data");
    }
    if (rc != Z_STREAM_END) {
        const QString detail = zs.msg ? QString::fromLatin1(zs.msg) : QStringLiteral("error %1").arg(rc);
        throw ESkinError(QStringLiteral("Skin package is corrupt: %1 cannot be decompressed (%2).")
                             .arg(EntryLabel(index, name), detail));
    }
    if (zs.total_out != size)
        throw ESkinError(QStringLiteral("Skin package is corrupt: %1 inflates to %2 bytes instead "
                                        "of the declared %3.")
                             .arg(EntryLabel(index, name))
                             .arg(zs.total_out)
                             .arg(size));
    return qsizetype(zs.total_in);
}

bool HasBmpExtension(const QString& name) {
    return name.toUpper().endsWith(QLatin1String(".BMP"));
}

} // namespace

void TacSkinConvertor::Clear() {
    while (!Files.empty()) Files.pop_back();
    Options.reset();
    PackedData = nullptr;
    ImageCount = 0;
    ConsumedBytes = 0;
}

bool IsOptionsEntryName(const QString& name) {
    return name.compare(QLatin1String(OptionsEntryName), Qt::CaseInsensitive) == 0;
}

bool ReadSkinPackage(TacSkinConvertor& convertor, const QByteArray& package) {
    convertor.Clear();
    convertor.PackedData = &package;

    // A package shorter than the header block reads as zeros past its end.
    QByteArray header = package.left(16);
    header.append(QByteArray(16 - header.size(), '\0'));
    if (std::memcmp(header.constData(), SkinPackageMagic, 4) != 0) {
        convertor.PackedData = nullptr;
        SkinDialogs().ShowError(QStringLiteral("Loaded data is not a packed Vantreo file"),
                                QString());
        return false;
    }
    const quint32 count = ReadUInt32(header, 4);
    qsizetype pos = 8;

    for (quint32 index = 0; index < count; ++index) {
        if (package.size() - pos < 4) Truncated(index, QString(), "name length");
        const quint32 nameLength = ReadUInt32(package, pos);
        pos += 4;
        if (qint64(nameLength) > qint64(package.size() - pos)) Truncated(index, QString(), "name");
        const QString name = QString::fromLatin1(package.constData() + pos, qsizetype(nameLength));
        pos += qsizetype(nameLength);
        if (package.size() - pos < 4) Truncated(index, name, "size field");
        const quint32 size = ReadUInt32(package, pos);
        pos += 4;
        if (size == 0)
            throw ESkinError(QStringLiteral("Skin package is corrupt: %1 declares a size of 0.")
                                 .arg(EntryLabel(index, name)));

        QByteArray data;
        pos += InflateEntry(package, pos, size, index, name, data);
        if (IsOptionsEntryName(name)) {
            convertor.Options = std::move(data);
        } else {
            convertor.Files.push_back(TacImageItem{name, HasBmpExtension(name), std::move(data)});
        }
    }
    convertor.ConsumedBytes = std::min(pos, package.size()); // a header may be shorter than 8 bytes
    const qint64 declaredImages = qint64(count) - 1;
    convertor.ImageCount = int(std::clamp<qint64>(declaredImages, 0, qint64(convertor.Files.size())));
    convertor.PackedData = nullptr; // the borrowed bytes are detached right after reading
    return true;
}

bool ReadSkinPackageFile(const QString& fileName, TacSkinConvertor& convertor) {
    QFile file(fileName);
    if (!file.exists()) return false;
    if (!file.open(QIODevice::ReadOnly))
        throw ESkinError(QStringLiteral("Cannot read the skin package \"%1\": %2")
                             .arg(fileName, file.errorString()));
    const QByteArray package = file.readAll();
    return ReadSkinPackage(convertor, package);
}

QByteArray WriteSkinPackage(const std::vector<TSkinPackageEntry>& entries) {
    QByteArray out(SkinPackageMagic, 4);
    AppendUInt32(out, quint32(entries.size()));
    for (const TSkinPackageEntry& entry : entries) {
        const QByteArray name = entry.Name.toLatin1();
        if (QString::fromLatin1(name) != entry.Name)
            throw ESkinError(QStringLiteral("The entry name \"%1\" is not 8-bit text.").arg(entry.Name));
        if (entry.Data.isEmpty())
            throw ESkinError(QStringLiteral("The entry \"%1\" is empty; every entry needs at least "
                                            "one byte.")
                                 .arg(entry.Name));
        AppendUInt32(out, quint32(name.size()));
        out.append(name);
        AppendUInt32(out, quint32(entry.Data.size()));

        uLongf compressedSize = compressBound(uLong(entry.Data.size()));
        QByteArray compressed(qsizetype(compressedSize), Qt::Uninitialized);
        // Level 9 with the default window gives the header bytes 0x78 0xDA.
        const int rc = compress2(reinterpret_cast<Bytef*>(compressed.data()), &compressedSize,
                                 reinterpret_cast<const Bytef*>(entry.Data.constData()),
                                 uLong(entry.Data.size()), Z_BEST_COMPRESSION);
        if (rc != Z_OK)
            throw ESkinError(QStringLiteral("Cannot compress the entry \"%1\".").arg(entry.Name));
        out.append(compressed.constData(), qsizetype(compressedSize));
    }
    return out;
}

} // namespace tornivex
