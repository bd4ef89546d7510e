#pragma once
// The per-control skin state (`SkinData` of every skinned control and form provider): which
// section of the active skin the owner shows, the indexes resolved from it, the cache bitmap
// holding the owner's complete look, the facts that decide its state (mouse above, focused) and
// whether the cache must be rendered again. It answers children's background queries and the
// skin manager's commands.
//
// How an owner uses it (a skinned button, a memo, a form provider):
//   - create it with an ISkinOwner for itself, set `COC`, call Loaded() once built;
//   - pass every skin command event to HandleSkinCommand() (after handling its own, such as
//     23 "render your cache" and 9 "your section"), and the window messages (skin/controls maps
//     Qt's events onto them) to WndProc() before its default processing;
//   - when painting: if FBGChanged, render the cache (PrepareCacheBitmap, paint the section),
//     clear FBGChanged; then copy FCacheBmp to the screen. Skip painting while FUpdating.
// Widget-free: everything about the owner goes through ISkinOwner.

#include "Background.h"
#include "SkinOwner.h"

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "common/color/Color.h"

#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>

class QObject;

namespace tornivex {

class TsSkinManager;
class TacThreadedTimer;
class TSkinCommandEvent;
struct TLoadedSkin;
struct TsGeneralData;

// `CtrlSkinState` flags.
enum TacCtrlSkinStateFlag : std::uint16_t {
    ACS_SHOWSPARENT = 0x1,  // the control shows its parent's background
    ACS_NOTCOMPUTED = 0x2,  // the flag above is not computed yet
    ACS_PRINTING = 0x200,
    ACS_LOCKED = 0x800,     // inside BeginUpdate
};

// The window messages every skinned owner passes to its state object.
enum class TacWindowMessage {
    Move,
    Size,
    SetFocus,
    KillFocus,
    EnabledChanged,
    MouseEnter,
    MouseLeave,
    VisibilityChanged,  // Flag = now visible
    ShowingChanged,     // Flag = now showing
    UIStateUpdate,
};
struct TacMessage {
    TacWindowMessage Msg;
    bool Flag = false;
};

// The record of skin command 26: the section index goes into the second field.
struct TacSkinIndexRecord {
    int Reserved = 0;
    int SkinIndex = -1;
};

class TsCommonData {
public:
    // `owner` may be null for painting-only uses (previews); it must outlive this object.
    explicit TsCommonData(ISkinOwner* owner = nullptr, bool createCache = false);
    virtual ~TsCommonData();
    TsCommonData(const TsCommonData&) = delete;
    TsCommonData& operator=(const TsCommonData&) = delete;

    // ---- Fields (names as the skin engine calls them).
    bool FCustomFont = false;   // owner's own font colour stays instead of the skin's
    bool FCustomColor = false;  // owner's own colour stays
    QString FSkinSection;       // upper case; empty = chosen by the control's kind
    int FUpdateCount = 0;
    bool FFocused = false;
    bool FUpdating = false;   // must not paint now (parent not ready, update running)
    bool FBGChanged = true;   // the cache no longer matches: render before painting
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
    TBitmap32* PrintDC = nullptr;
    std::unique_ptr<TBitmap32> FCacheBmp;
    // Device pixels per logical pixel of FCacheBmp: a control drawn for a scaled screen keeps its
    // cache at the device's size (the owner's bounds times this ratio).
    double FCacheRatio = 1.0;
    TColor FColorTone = clNoColor2;
    QPointer<TsSkinManager> FSkinManager;  // explicitly chosen; null = the default manager
    std::unique_ptr<TacThreadedTimer> AnimTimer;
    std::uint16_t BGType = 0;  // 4 = image share; + 2 vertical, 1 horizontal, 3 triangle gradient
    std::uint16_t CtrlSkinState = ACS_NOTCOMPUTED;

    // Used when there is no owner (previews, tests of painting alone).
    TColor OwnerColor = SystemColor(COLOR_BTNFACE);
    TPoint OwnerPosition;

    ISkinOwner* Owner() const { return owner_; }
    // The owner's object, when the owner is a control (not a provider).
    QObject* OwnerControl() const;
    // The owner's colour (system colours allowed) and its position in the parent.
    TColor OwnerColorNow() const;
    TPoint OwnerPositionNow() const;

    // ---- Manager and section.
    // The manager painting uses: the explicit one, else the process's default manager.
    TsSkinManager* SkinManager() const;
    void SetSkinManager(TsSkinManager* manager);
    bool ManagerStored() const { return !FSkinManager.isNull(); }
    // The active skin's tables, or null.
    const TLoadedSkin* Skin() const;
    // The section row, or null when SkinIndex is not valid.
    const TsGeneralData* Section() const;
    // A manager that is not being destroyed, a valid section, an owner not being destroyed and,
    // with `requireActiveSkin`, a skin that is applied.
    bool Skinned(bool requireActiveSkin = false) const;

    const QString& SkinSection() const { return FSkinSection; }
    void SetSkinSection(const QString& value);
    void SetCustomColor(bool value);
    void SetCustomFont(bool value);
    void UpdateIndexes(bool resolveIndex = true);
    void ChooseDefaultSection();

    // ---- Life cycle and look.
    void Loaded();
    void ApplySkinColors(bool invalidate);
    void UpdateSkinState(bool recurse);
    // Creates the cache when missing and gives it the owner's size.
    void PrepareCacheBitmap();
    bool IsHotOrFocused() const;
    // Marks the cache stale and redraws the owner (`now` = before returning).
    void Invalidate(bool now = false);
    bool RepaintIfMoved() const;
    // The plain colour children see under this control in `state`.
    TColor ElementFillColor(int state) const;
    void AnswerBackgroundQuery(paint::BackgroundQuery& query, bool hot);
    // Whether children may copy from the cache (a control that shows its parent does not).
    bool ChildrenMayUseCache() const;

    // ---- Updating protocol.
    // Computes whether the owner must wait (its parent is not ready); `clearFirst` forgets a
    // stored FUpdating first. Stores and returns the answer.
    bool ReevaluateUpdating(bool clearFirst);
    void BeginUpdate();
    void EndUpdate(bool repaint);

    // ---- Message handling. Both answer whether the message was consumed / handled.
    bool HandleSkinCommand(TSkinCommandEvent& command);
    bool WndProc(const TacMessage& message);

    // Sends a command to every child control: skin-aware ones directly, others pass it on to
    // their own children.
    void SendToChildren(int command, std::intptr_t lparam = 0, int low = 0) const;

    // Stops a running state fade and frees its pictures.
    void StopAnimation();

private:
    bool ComputeUpdating() const;
    std::intptr_t IsNotReadyAnswer();
    bool IsOwnManager(std::intptr_t lparam) const;
    bool BothStatesFullyTransparent() const;
    TColor ParentColor() const;
    void AnswerWithoutDrawing(paint::BackgroundQuery& query, bool hot);
    void AnswerByDrawing(paint::BackgroundQuery& query, bool hot);
    bool RenderCacheIfStale();
    void EmptyCache();
    void SetSectionFromNames(const QStringList& names);
    void TakeIndexesFromSection();

    ISkinOwner* owner_ = nullptr;
};

// Controls add the colour filters as published properties.
class TsCtrlSkinData : public TsCommonData {
public:
    using TsCommonData::TsCommonData;
    int HUEOffset() const { return FHUEOffset; }
    void SetHUEOffset(int value);
    int Saturation() const { return FSaturation; }
    void SetSaturation(int value);
    TColor ColorTone() const { return FColorTone; }
    void SetColorTone(TColor value);
};

}  // namespace tornivex
