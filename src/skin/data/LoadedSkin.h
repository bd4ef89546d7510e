#pragma once
// Everything a loaded skin consists of: the section and image tables, decoded images, common
// values, outer effects, palette and cached indexes, with the look-ups painting uses. A load
// builds a new TLoadedSkin aside; the manager swaps it in only when the load succeeded.
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

#include "LoadedSkinIndex.h"
#include "SkinCommonData.h"
#include "SkinConstants.h"
#include "SkinPalette.h"
#include "SkinTables.h"

namespace tornivex {

struct TLoadedSkin {
    TsSkinData CommonSkinData;
    std::vector<TsGeneralData> gd;
    std::vector<TsMaskData> ma;
    std::vector<TacExtFileData> ExtArray;
    TBitmap32Ptr MasterBitmap;
    std::array<TacOutEffData, 2> oe;
    TacPalette Palette{};
    TConstantSkinData ConstData;
    TBitmap32Ptr ShdaTemplate;
    TBitmap32Ptr ShdiTemplate;
    TRect FormShadowSize; // left, top, right, bottom margins (not a rectangle)

    // All look-ups answer -1 when nothing is found; names compare case-sensitively.
    int GetSkinIndex(const QString& skinSection) const;
    int GetMaskIndex(int skinIndex, const QString& skinSection, const QString& mask) const;
    int GetMaskIndex(const QString& skinSection, const QString& mask) const;
    int GetMaskIndex(int skinIndex, const QString& mask) const;
    int GetTextureIndex(int skinIndex, const QString& skinSection, const QString& propName) const;
    int GetTextureIndex(int skinIndex, const QString& propName) const;

    // Border widths of an image row; the index must be valid.
    int MaskWidthLeft(int maskIndex) const;
    int MaskWidthTop(int maskIndex) const;
    int MaskWidthRight(int maskIndex) const;
    int MaskWidthBottom(int maskIndex) const;

    bool IsValidSkinIndex(int skinIndex) const { return skinIndex >= 0 && skinIndex < int(gd.size()); }
    bool IsValidImgIndex(int imageIndex) const { return imageIndex >= 0 && imageIndex < int(ma.size()); }

    QStringList GetSkinSections() const;

    // The parent section index of a row (-1 when none or when it names itself).
    int ParentIndexOf(int skinIndex) const;

private:
    const TLoadedSkinIndex& Index() const;
    int MaxChainSteps() const;

    mutable TLoadedSkinIndex index_; // follows the tables' row counts (rows are only appended)
};

} // namespace tornivex
