#include "LoadedSkin.h"

namespace tornivex {
namespace {

// An image row with ImageCount 0 measures as one cell.
TsMaskData OneCellAtLeast(const TsMaskData& md) {
    TsMaskData copy = md;
    if (copy.ImageCount == 0) copy.ImageCount = 1;
    return copy;
}

// A margin of a border mask: its own width when at least 1, else the border width when at least
// 1, else a whole cell across (horizontal margins) or down (vertical ones).
template <class Width>
int MaskMarginOf(const TsMaskData& md, Width TsMaskData::*own, bool horizontal) {
    if (md.*own >= 1) return md.*own;
    if (md.BorderWidth >= 1) return md.BorderWidth;
    const TsMaskData cell = OneCellAtLeast(md);
    return horizontal ? MaskCellWidth(cell) : MaskCellHeight(cell);
}

} // namespace

int TLoadedSkin::GetSkinIndex(const QString& skinSection) const {
    if (skinSection.isEmpty()) return -1;
    for (std::size_t i = 0; i < gd.size(); ++i)
        if (gd[i].ClassName == skinSection) return int(i);
    return -1;
}

int TLoadedSkin::ParentIndexOf(int skinIndex) const {
    if (!IsValidSkinIndex(skinIndex)) return -1;
    const TsGeneralData& row = gd[std::size_t(skinIndex)];
    if (row.ParentClass.isEmpty() || row.ParentClass == row.ClassName) return -1;
    return GetSkinIndex(row.ParentClass);
}

// The parent-following look-ups walk at most once around the table, so a chain that loops
// through several sections ends as "not found".
int TLoadedSkin::GetMaskIndex(int skinIndex, const QString& skinSection, const QString& mask) const {
    QString section = skinSection;
    for (std::size_t steps = 0; skinIndex >= 0 && steps <= gd.size(); ++steps) {
        for (std::size_t i = 0; i < ma.size(); ++i)
            if (ma[i].SkinIndex == skinIndex && ma[i].PropertyName == mask) return int(i);
        if (!IsValidSkinIndex(skinIndex)) return -1;
        const QString& parent = gd[std::size_t(skinIndex)].ParentClass;
        if (parent.isEmpty() || parent == section) return -1;
        section = parent;
        skinIndex = GetSkinIndex(parent);
    }
    return -1;
}

int TLoadedSkin::GetMaskIndex(const QString& skinSection, const QString& mask) const {
    for (std::size_t i = 0; i < ma.size(); ++i)
        if (ma[i].ClassName == skinSection && ma[i].PropertyName == mask) return int(i);
    return -1;
}

int TLoadedSkin::GetMaskIndex(int skinIndex, const QString& mask) const {
    if (!IsValidSkinIndex(skinIndex)) return -1;
    return GetMaskIndex(skinIndex, gd[std::size_t(skinIndex)].ClassName, mask);
}

int TLoadedSkin::GetTextureIndex(int skinIndex, const QString& skinSection,
                                 const QString& propName) const {
    if (skinSection.isEmpty()) return -1;
    QString section = skinSection;
    for (std::size_t steps = 0; steps <= gd.size(); ++steps) {
        for (std::size_t i = 0; i < ma.size(); ++i)
            if (ma[i].ImgType == itisaTexture && ma[i].PropertyName == propName &&
                ma[i].ClassName == section)
                return int(i);
        if (!IsValidSkinIndex(skinIndex)) return -1;
        const QString& parent = gd[std::size_t(skinIndex)].ParentClass;
        if (parent.isEmpty() || parent == section) return -1;
        section = parent;
        skinIndex = GetSkinIndex(parent);
    }
    return -1;
}

int TLoadedSkin::GetTextureIndex(int skinIndex, const QString& propName) const {
    for (std::size_t steps = 0; IsValidSkinIndex(skinIndex) && steps <= gd.size(); ++steps) {
        for (std::size_t i = 0; i < ma.size(); ++i)
            if (ma[i].ImgType == itisaTexture && ma[i].SkinIndex == skinIndex &&
                ma[i].PropertyName == propName)
                return int(i);
        skinIndex = ParentIndexOf(skinIndex);
    }
    return -1;
}

int TLoadedSkin::MaskWidthLeft(int maskIndex) const {
    return MaskMarginOf(ma[std::size_t(maskIndex)], &TsMaskData::WL, true);
}
int TLoadedSkin::MaskWidthTop(int maskIndex) const {
    return MaskMarginOf(ma[std::size_t(maskIndex)], &TsMaskData::WT, false);
}
int TLoadedSkin::MaskWidthRight(int maskIndex) const {
    return MaskMarginOf(ma[std::size_t(maskIndex)], &TsMaskData::WR, true);
}
int TLoadedSkin::MaskWidthBottom(int maskIndex) const {
    return MaskMarginOf(ma[std::size_t(maskIndex)], &TsMaskData::WB, false);
}

QStringList TLoadedSkin::GetSkinSections() const {
    QStringList names;
    names.reserve(qsizetype(gd.size()));
    for (const TsGeneralData& row : gd) names << row.ClassName;
    return names;
}

} // namespace tornivex
