#pragma once
// The skinned scroll-bar layer of a scrolling control (any QAbstractScrollArea): it hides the
// platform's scroll bars, keeps a margin for the frame edges and the skin's bars, puts a
// TacScrollBarWidget there for every visible bar and paints the ring around the text. The
// platform's bars stay the keepers of the scroll position; ours read and drive them.

#include "ScrollBarGeometry.h"

#include "common/color/Color.h"
#include "skin/paint/Background.h"

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QAbstractScrollArea;
class QPainter;
class QScrollBar;

namespace tornivex {

class TacScrollBarWidget;
class TsScrollWndData;
class TsSkinManager;

class TacScrollWnd : public QObject {
    Q_OBJECT
public:
    // The platform's client edge around a scrolling control's text.
    static constexpr int ClientEdge = 2;

    TacScrollWnd(QAbstractScrollArea* control, TsScrollWndData* skinData);
    ~TacScrollWnd() override;  // gives the control its platform bars and frame back

    QAbstractScrollArea* const CtrlHandle;
    TsScrollWndData* const SkinData;
    TsSkinManager* SkinManager() const;

    TacScrollBarWidget* sBarHorz = nullptr;
    TacScrollBarWidget* sBarVert = nullptr;
    int cxLeftEdge = ClientEdge;
    int cxRightEdge = ClientEdge;
    int cyTopEdge = ClientEdge;
    int cyBottomEdge = ClientEdge;
    bool fLeftScrollbar = false;
    bool DontRepaint = false;
    bool ScrollsInitialized = false;
    bool fThumbTracking() const;

    // Non-client size calculation: edges, bar places and the text's margins.
    void UpdateLayout();
    // Whether a bar shows, by the control's design policy and the platform's range.
    bool BarVisible(int barType) const;
    TScrollBarMetrics MetricsFor(int barType) const;
    bool ControlEnabled() const;
    // Re-reads both platform bars and repaints ours where the values changed.
    void SyncBars();
    // Repaints the frame ring and the bars.
    void RedrawNonClient();

    // What the bars are painted over, and its colour when no image of it is known.
    virtual paint::BackgroundSource BarBackground();
    virtual TColor BackgroundColor() const;

    // The platform's non-client hit-test codes for a point of the control.
    enum THitCode : int { HTNOWHERE = 0, HTCLIENT = 1, HTHSCROLL = 6, HTVSCROLL = 7, HTBORDER = 18 };
    int NonClientHitTest(QPoint p) const;

    // The rectangle of the text (the viewport) inside the control.
    QRect ClientRect() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Paints everything of the control outside the text: frame ring and the corner square.
    virtual void PaintNonClient(QPainter& painter);
    void PaintCornerSquare(QPainter& painter);

private:
    QScrollBar* PlatformBar(int barType) const;

    Qt::ScrollBarPolicy designPolicy_[2];
    int designFrameShape_ = 0;
    QMargins margins_;
    bool layingOut_ = false;
};

}  // namespace tornivex
