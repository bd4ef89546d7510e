#pragma once
// The skinned non-client part of an edit control (the memo): its frame comes from the control's
// cache image, painted from its skin section over the parent's background, and its scroll bars
// from the scroll-bar layer. The text area stays the platform's, on the colours set here.

#include "TacScrollWnd.h"

#include "skin/paint/Decorations.h"

namespace tornivex {

class TacEditWnd : public TacScrollWnd {
    Q_OBJECT
public:
    TacEditWnd(QAbstractScrollArea* control, TsScrollWndData* skinData);

    TColor Color = clWhite;      // fill colour of the text area
    TColor FrameColor = clBlack; // font colour of the section
    bool SingleLineEdit = false;
    bool DlgMode = false;
    bool ParamsChanged = false;
    paint::TsDisabledKind DisabledKind = paint::dkBlended;  // the frame's look while disabled

    // Colours from the section for the control's current state.
    void SetSkinParams();
    // The section state the frame shows: 1 while hot or focused (limited by the section).
    int FrameState() const;
    // Renders the cache image (the control's whole look) when it is stale.
    void PrepareCache();

    paint::BackgroundSource BarBackground() override;
    TColor BackgroundColor() const override { return Color; }

protected:
    void PaintNonClient(QPainter& painter) override;
};

}  // namespace tornivex
