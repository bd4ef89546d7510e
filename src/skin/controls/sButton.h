#pragma once
// The program's push button (`TsButton`): the platform's push button (it clicks, takes the
// focus, answers Space and Enter, keeps its accessible role and name) whose drawing the skin
// engine takes over while a skin with a "BUTTON" section is active. It renders its whole look
// into the cache of its skin state and copies that to the screen; changes between normal, hot
// and pressed cross-fade (StateAnimation.h). Without a skin the platform draws it.
#include "SkinnedWidget.h"

#include "skin/paint/Decorations.h"
#include "skin/paint/StateAnimation.h"
#include "skin/paint/sCommonData.h"

#include <QPushButton>

namespace tornivex {

enum TButtonStyle { bsPushButton, bsCommandLink, bsSplitButton };

class TsButton : public QPushButton {
    Q_OBJECT
public:
    explicit TsButton(QWidget* parent = nullptr);
    ~TsButton() override;

    // ---- Published properties (defaults as constructed).
    TsCtrlSkinData* SkinData() { return &skinData_; }
    const TsCtrlSkinData* SkinData() const { return &skinData_; }
    TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(TacAnimatEvents value) { FAnimatEvents = value; }
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value);
    paint::TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(paint::TsDisabledKind value);
    bool Down() const { return FDown; }
    void SetDown(bool value);
    int FocusMargin() const { return FFocusMargin; }
    void SetFocusMargin(int value) { FFocusMargin = value; }
    TButtonStyle Style() const { return FStyle; }
    void SetStyle(TButtonStyle value);
    int ContentMargin() const { return FContentMargin; }
    void SetContentMargin(int value);
    bool Reflected() const { return FReflected; }
    void SetReflected(bool value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    // Ends loading: takes the skin's section when a skin is active.
    void Loaded();
    // Whether the skin draws the button now (else the platform does).
    bool Skinned() const;
    // 0 normal, 1 hot (mouse above or focused), 2 pressed, 3 default.
    int CurrentState() const;
    // Renders the whole look into the cache; false when the parent cannot give a background yet.
    bool PrepareButtonCache();
    // Where the caption goes in the cache (moved by (1, 1) while pressed).
    TRect CaptionRect() const;

    // How long the full pressed frame stays when the press fade is cut short by the release.
    // Tests replace it to look at the frame instead of waiting.
    static void (*HoldPressedFrame)(TsButton& button);

signals:
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool HandleSkinCommand(TSkinCommandEvent& command);
    // The button's own reaction to an event before the state object's; true = consumed.
    bool SkinnedEvent(QEvent* event);
    void MouseEnter();
    void MouseLeave();
    // The caption and focus mark into `target`, which holds pixels at `ratio`.
    void DrawCaption(TBitmap32& target, double ratio);

    TWidgetSkinOwner owner_;
    TsCtrlSkinData skinData_;
    bool FDown = false;
    bool FShowFocus = true;
    bool FMouseClicked = false;
    bool RegionChanged = true;
    bool FReflected = false;
    int FFocusMargin = 1;
    int FContentMargin = 6;
    TButtonStyle FStyle = bsPushButton;
    paint::TsDisabledKind FDisabledKind = paint::dkBlended;
    TacAnimatEvents FAnimatEvents = aeGlobalDef;
    bool DroppedDown = false;
    bool wordWrap_ = true;
    bool forcedPressed_ = false;  // the release shows the full pressed frame
    int pushOverride_ = -1;       // 0/1: the platform's pushed state as it is about to be; -1 = as is
    // What the cache shows, to notice changes the platform makes on its own (text, pushed).
    int cacheState_ = -1;
    QString cacheText_;
};

}  // namespace tornivex
