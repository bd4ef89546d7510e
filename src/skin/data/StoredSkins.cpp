#include "StoredSkins.h"

namespace tornivex {

void TsStoredSkin::Assign(const TsStoredSkin& other) {
    Name = other.Name;
    MasterBitmap = other.MasterBitmap ? std::make_shared<TBitmap32>(*other.MasterBitmap) : NewBitmap32(0, 0);
    Shadow1Color = other.Shadow1Color;
    Shadow1Offset = other.Shadow1Offset;
    Shadow1Blur = other.Shadow1Blur;
    Shadow1Transparency = other.Shadow1Transparency;
    BorderColor = other.BorderColor;
    Version = other.Version;
    Author = other.Author;
    Description = other.Description;
    PackedData = other.PackedData;
}

TsStoredSkin& TsStoredSkins::Add() { return items_.emplace_back(); }

TsStoredSkin& TsStoredSkins::Add(const QString& name, const QByteArray& packedData) {
    TsStoredSkin& item = Add();
    item.Name = name;
    item.PackedData = packedData;
    return item;
}

int TsStoredSkins::IndexOf(const QString& skinName) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].Name == skinName) return int(i);
    return -1;
}

} // namespace tornivex
