#pragma once
// Hash look-ups over a loaded skin's section and image tables, so finding a section, a row or a
// parent costs the same for a skin of 70 sections and one of 30,000. Built from the tables on
// first use and again whenever their row counts change; each key maps to the first matching row,
// as a walk over the table in order would find it.
#include <QHash>
#include <QString>

#include <cstddef>
#include <vector>

namespace tornivex {

struct TsGeneralData;
struct TsMaskData;

class TLoadedSkinIndex {
public:
    // Rebuilds when the tables no longer have the row counts it was built for.
    void Refresh(const std::vector<TsGeneralData>& gd, const std::vector<TsMaskData>& ma);

    int Section(const QString& name) const { return sections_.value(name, -1); }
    int Parent(int skinIndex) const { return parents_[std::size_t(skinIndex)]; }
    int Mask(int skinIndex, const QString& property) const {
        if (!Has(hasMasks_, skinIndex)) return -1;
        return masksByIndex_.value(IndexKey(skinIndex, property), -1);
    }
    int Mask(const QString& section, const QString& property) const {
        return masksByName_.value(NameKey(section, property), -1);
    }
    int Texture(int skinIndex, const QString& property) const {
        if (!Has(hasTextures_, skinIndex)) return -1;
        return texturesByIndex_.value(IndexKey(skinIndex, property), -1);
    }
    int Texture(const QString& section, const QString& property) const {
        return texturesByName_.value(NameKey(section, property), -1);
    }
    // False when no texture row has the name of section `skinIndex`: Texture(that name, any)
    // is -1. True for an index outside the section table.
    bool NameHasTextures(int skinIndex) const { return Has(nameHasTextures_, skinIndex); }

private:
    using IndexKey = std::pair<int, QString>;
    using NameKey = std::pair<QString, QString>;

    // Whether rows of that section index may be in a table; true outside the section table, where
    // nothing is known, so the hash look-up decides. Most sections of a large skin have no image
    // rows, and their look-ups then hash nothing.
    static bool Has(const std::vector<char>& flags, int skinIndex) {
        return skinIndex < 0 || std::size_t(skinIndex) >= flags.size() || flags[std::size_t(skinIndex)] != 0;
    }

    std::size_t builtForSections_ = std::size_t(-1);
    std::size_t builtForRows_ = std::size_t(-1);
    QHash<QString, int> sections_;
    std::vector<int> parents_;
    QHash<IndexKey, int> masksByIndex_;
    QHash<NameKey, int> masksByName_;
    QHash<IndexKey, int> texturesByIndex_;
    QHash<NameKey, int> texturesByName_;
    std::vector<char> hasMasks_;        // by section index: some mask row has that SkinIndex
    std::vector<char> hasTextures_;     // by section index: some texture row has that SkinIndex
    std::vector<char> nameHasTextures_; // by section index: some texture row has its name
};

} // namespace tornivex
