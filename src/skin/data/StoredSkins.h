#pragma once
// Internal skins: named records carrying a skin package, owned by the skin manager.
#include <QByteArray>
#include <QString>

#include <vector>

#include "Bitmap32.h"
#include "common/color/Color.h"

namespace tornivex {

class TsStoredSkin {
public:
    QString Name;
    TBitmap32Ptr MasterBitmap = NewBitmap32(0, 0); // carried along, not used by a load
    TColor Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    TColor BorderColor = clFuchsia;
    double Version = 0;
    QString Author;
    QString Description;
    QByteArray PackedData; // the skin package, byte for byte

    // Copying one item onto another copies every property, the package bytes and a copy of
    // the master bitmap (the items never share pixels).
    TsStoredSkin() = default;
    TsStoredSkin(const TsStoredSkin& other) { Assign(other); }
    TsStoredSkin& operator=(const TsStoredSkin& other) {
        if (this != &other) Assign(other);
        return *this;
    }
    TsStoredSkin(TsStoredSkin&&) = default;
    TsStoredSkin& operator=(TsStoredSkin&&) = default;
    ~TsStoredSkin() = default;

    void Assign(const TsStoredSkin& other);
};

class TsStoredSkins {
public:
    TsStoredSkin& Add();
    TsStoredSkin& Add(const QString& name, const QByteArray& packedData);
    int Count() const { return int(items_.size()); }
    TsStoredSkin& operator[](int index) { return items_[std::size_t(index)]; }
    const TsStoredSkin& operator[](int index) const { return items_[std::size_t(index)]; }
    void Clear() { items_.clear(); }
    // Index of the first item whose Name equals `skinName` exactly, else -1.
    int IndexOf(const QString& skinName) const;

private:
    std::vector<TsStoredSkin> items_;
};

} // namespace tornivex
