#include "LoadedSkin.h"

#include <algorithm>

#include "SkinLimits.h"

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

const TLoadedSkinIndex& TLoadedSkin::Index() const {
    index_.Refresh(gd, ma);
    return index_;
}

int TLoadedSkin::GetSkinIndex(const QString& skinSection) const {
    if (skinSection.isEmpty()) return -1;
    return Index().Section(skinSection);
}

int TLoadedSkin::ParentIndexOf(int skinIndex) const {
    if (!IsValidSkinIndex(skinIndex)) return -1;
    return Index().Parent(skinIndex);
}

// The parent-following look-ups walk at most as far as the longest chain a skin may have (longer
// ones are refused at load), so a chain that loops ends as "not found".
int TLoadedSkin::MaxChainSteps() const {
    return std::min(int(gd.size()), MaxParentChainDepth);
}

int TLoadedSkin::GetMaskIndex(int skinIndex, const QString& skinSection, const QString& mask) const {
    const TLoadedSkinIndex& index = Index();
    const QString* section = &skinSection;
    for (int steps = 0; skinIndex >= 0 && steps <= MaxChainSteps(); ++steps) {
        if (const int row = index.Mask(skinIndex, mask); row >= 0) return row;
        if (!IsValidSkinIndex(skinIndex)) return -1;
        const QString& parent = gd[std::size_t(skinIndex)].ParentClass;
        if (parent.isEmpty() || parent == *section) return -1;
        section = &parent;
        // After the first step `section` is the name of row skinIndex, so its parent is the
        // index's: the row of that name.
        skinIndex = steps == 0 ? index.Section(parent) : index.Parent(skinIndex);
    }
    return -1;
}

int TLoadedSkin::GetMaskIndex(const QString& skinSection, const QString& mask) const {
    return Index().Mask(skinSection, mask);
}

int TLoadedSkin::GetMaskIndex(int skinIndex, const QString& mask) const {
    if (!IsValidSkinIndex(skinIndex)) return -1;
    return GetMaskIndex(skinIndex, gd[std::size_t(skinIndex)].ClassName, mask);
}

int TLoadedSkin::GetTextureIndex(int skinIndex, const QString& skinSection,
                                 const QString& propName) const {
    if (skinSection.isEmpty()) return -1;
    const TLoadedSkinIndex& index = Index();
    const QString* section = &skinSection;
    for (int steps = 0; steps <= MaxChainSteps(); ++steps) {
        // After the first step `section` is the name of row skinIndex when that is valid.
        if (steps == 0 || !IsValidSkinIndex(skinIndex) || index.NameHasTextures(skinIndex))
            if (const int row = index.Texture(*section, propName); row >= 0) return row;
        if (!IsValidSkinIndex(skinIndex)) return -1;
        const QString& parent = gd[std::size_t(skinIndex)].ParentClass;
        if (parent.isEmpty() || parent == *section) return -1;
        section = &parent;
        skinIndex = steps == 0 ? index.Section(parent) : index.Parent(skinIndex);
    }
    return -1;
}

int TLoadedSkin::GetTextureIndex(int skinIndex, const QString& propName) const {
    const TLoadedSkinIndex& index = Index();
    for (int steps = 0; IsValidSkinIndex(skinIndex) && steps <= MaxChainSteps(); ++steps) {
        if (const int row = index.Texture(skinIndex, propName); row >= 0) return row;
        skinIndex = index.Parent(skinIndex);
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
