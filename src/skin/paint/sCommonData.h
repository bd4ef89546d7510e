#pragma once
// The per-control skin state object (`SkinData` of every skinned control and form provider):
// the fields painting reads. Command handling, invalidation and the update protocol are built
// on top of it by the skinned controls.

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "skin/data/SkinColor.h"

#include <QString>

#include <cstdint>
#include <memory>

class QObject;

namespace tornivex {

class TsSkinManager;

class TsCommonData {
public:
    TsCommonData() = default;
    virtual ~TsCommonData() = default;
    TsCommonData(const TsCommonData&) = delete;
    TsCommonData& operator=(const TsCommonData&) = delete;

    // Owner's own font colour / colour stay instead of the skin's.
    bool FCustomFont = false;
    bool FCustomColor = false;
    QString FSkinSection;  // upper case; empty = chosen by the control's kind
    bool FFocused = false;
    bool FUpdating = false;
    bool FBGChanged = true;
    bool FMouseAbove = false;
    bool HalfVisible = true;
    bool Loading = true;
    int COC = 0;  // control code: 93 push button, 7 memo, 224 form skin provider
    int GlowID = -1;
    int Texture = -1;     // texture mask of the normal state ("PATTERN")
    int SkinIndex = -1;   // section index
    int FHUEOffset = 0;   // colour filters, 0 = off
    int FSaturation = 0;
    int BorderIndex = -1;
    int HotTexture = -1;  // texture mask of the hot state ("HOTPATTERN")
    std::unique_ptr<TBitmap32> FCacheBmp;
    TColor FColorTone = clNoColor2;
    QObject* FOwnerObject = nullptr;
    QObject* FOwnerControl = nullptr;  // set when the owner is a control
    TsSkinManager* FSkinManager = nullptr;  // explicitly chosen; null = the default manager
    std::uint16_t BGType = 0;
    std::uint16_t CtrlSkinState = 2;

    // The owner's own colour (a form provider: its form's colour); system colours allowed.
    TColor OwnerColor = SystemColor(COLOR_BTNFACE);
    // Where the owner lies in its parent, for background look-ups.
    TPoint OwnerPosition;

    // The manager painting uses: the explicit one, else the process's default manager.
    TsSkinManager* SkinManager() const;
    bool Skinned() const;
};

}  // namespace tornivex
