#pragma once
// Builds a complete TLoadedSkin from an options text and the skin's images. Any error throws
// ESkinError and leaves nothing half-built behind: the result is only handed out on success.
#include <QString>

#include <cstdint>

#include "LoadedSkin.h"
#include "OptionsReader.h"
#include "OptionsText.h"
#include "SkinPackage.h"

namespace tornivex {

// Where the image files of the skin come from.
struct TSkinImageSource {
    const TacSkinConvertor* Convertor = nullptr; // package entries, when packed
    QString SkinPath;                            // directory of an external skin, else empty
};

struct TSkinLoadSettings {
    const TsSkinManager* Manager = nullptr;
    int HueOffset = 0;
    int Saturation = 0;
    int Brightness = 0;
    bool ExtendedBorders = false;   // extended borders in effect
    QString CommonSections;         // INI-style text overriding or extending sections
    int SizingFrameWidth = 4;       // platform metric: default of FORMOFFSET
};

class TSkinLoader {
public:
    TSkinLoader(const TSkinOptions& options, TSkinImageSource source, TSkinLoadSettings settings);

    // LoadAllMasks, LoadAllGeneralData and InitConstantIndexes in that order.
    TLoadedSkin Load();

    // Steps of a load, public for tests and the skin tool.
    void LoadAllMasks();
    void LoadAllGeneralData();

    TLoadedSkin& Skin() { return skin_; }

private:
    // Images
    TBitmap32Ptr FindImage(const QString& referenceName, int maskType, const QString& where);
    std::optional<QByteArray> ReadImageBytes(const QString& upperName, const QString& where) const;
    void LoadMasterBitmap();
    void AddImageRow(int section, const QString& key, const QString& value);
    void AddCommonSectionBitmaps();
    // General data
    void ReadCommonValues();
    void ReadOuterEffects();
    TacOutEffData ReadOuterEffect(const QString& prefix, const TacOutEffData& defaults);
    int OuterEffectMask(const QString& key, TacOutEffData& effect);
    TsGeneralData ReadSection(int section) const;
    TsGenState ReadState(int section, bool hot) const;
    void FillPalette();
    void AddTransparentRow();

    TSkinOptions options_; // the skin's text with the common sections merged in
    TSkinOptions common_;
    TSkinOptionsReader reader_;
    TSkinImageSource source_;
    TSkinLoadSettings settings_;
    int globalInfo_ = -1;
    TLoadedSkin skin_;
    std::int64_t decodedPixels_ = 0; // of every image decoded so far, against MaxDecodedSkinPixels
};

// Common to every load and every application: fills ConstData, refreshes the per-row image
// indexes and runs the shadow check.
void InitMaskIndexes(TLoadedSkin& skin);
void InitConstantIndexes(TLoadedSkin& skin, bool extendedBorders);

// Reads VERSION of [GLOBALINFO] with "." as the decimal separator; 0 when absent or invalid.
double ReadSkinVersion(const TSkinOptions& options);

} // namespace tornivex
