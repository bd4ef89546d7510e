#include "LoadedSkinIndex.h"

#include "SkinTables.h"

#include <QSet>

namespace tornivex {
namespace {

template <class Map, class Key>
void KeepFirst(Map& map, const Key& key, int row) {
    if (!map.contains(key)) map.insert(key, row);
}

} // namespace

void TLoadedSkinIndex::Refresh(const std::vector<TsGeneralData>& gd, const std::vector<TsMaskData>& ma) {
    if (builtForSections_ == gd.size() && builtForRows_ == ma.size()) return;
    sections_.clear();
    sections_.reserve(qsizetype(gd.size()));
    for (std::size_t i = 0; i < gd.size(); ++i) KeepFirst(sections_, gd[i].ClassName, int(i));
    parents_.assign(gd.size(), -1);
    for (std::size_t i = 0; i < gd.size(); ++i) {
        const TsGeneralData& row = gd[i];
        if (!row.ParentClass.isEmpty() && row.ParentClass != row.ClassName)
            parents_[i] = sections_.value(row.ParentClass, -1);
    }
    masksByIndex_.clear();
    masksByName_.clear();
    texturesByIndex_.clear();
    texturesByName_.clear();
    hasMasks_.assign(gd.size(), 0);
    hasTextures_.assign(gd.size(), 0);
    nameHasTextures_.assign(gd.size(), 0);
    const auto mark = [](std::vector<char>& flags, int skinIndex) {
        if (skinIndex >= 0 && std::size_t(skinIndex) < flags.size()) flags[std::size_t(skinIndex)] = 1;
    };
    QSet<QString> textureNames;
    for (std::size_t i = 0; i < ma.size(); ++i) {
        const TsMaskData& md = ma[i];
        KeepFirst(masksByIndex_, IndexKey(md.SkinIndex, md.PropertyName), int(i));
        KeepFirst(masksByName_, NameKey(md.ClassName, md.PropertyName), int(i));
        mark(hasMasks_, md.SkinIndex);
        if (md.ImgType != itisaTexture) continue;
        KeepFirst(texturesByIndex_, IndexKey(md.SkinIndex, md.PropertyName), int(i));
        KeepFirst(texturesByName_, NameKey(md.ClassName, md.PropertyName), int(i));
        mark(hasTextures_, md.SkinIndex);
        textureNames.insert(md.ClassName);
    }
    for (std::size_t i = 0; i < gd.size(); ++i)
        if (textureNames.contains(gd[i].ClassName)) nameHasTextures_[i] = 1;
    builtForSections_ = gd.size();
    builtForRows_ = ma.size();
}

} // namespace tornivex
