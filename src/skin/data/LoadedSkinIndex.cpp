#include "LoadedSkinIndex.h"

#include "SkinTables.h"

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
    for (std::size_t i = 0; i < ma.size(); ++i) {
        const TsMaskData& md = ma[i];
        KeepFirst(masksByIndex_, IndexKey(md.SkinIndex, md.PropertyName), int(i));
        KeepFirst(masksByName_, NameKey(md.ClassName, md.PropertyName), int(i));
        if (md.ImgType != itisaTexture) continue;
        KeepFirst(texturesByIndex_, IndexKey(md.SkinIndex, md.PropertyName), int(i));
        KeepFirst(texturesByName_, NameKey(md.ClassName, md.PropertyName), int(i));
    }
    builtForSections_ = gd.size();
    builtForRows_ = ma.size();
}

} // namespace tornivex
