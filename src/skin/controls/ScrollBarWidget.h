#pragma once
// The widget a skinned scroll bar lives in: it sits in the scrolling control's margin, paints the
// bar from the skin and feeds the mouse to its TacScrollBar. The control's own (hidden) platform
// scroll bar stays the keeper of the position: this widget reads it and triggers its actions.

#include "TacScrollBar.h"

#include "skin/data/Bitmap32.h"

#include <QBasicTimer>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>

namespace tornivex {

class TacScrollWnd;

class TacScrollBarWidget : public QWidget, public IScrollBarHost {
    Q_OBJECT
public:
    TacScrollBarWidget(TacScrollWnd& owner, int barType, QScrollBar* platformBar, QWidget* parent);
    ~TacScrollBarWidget() override;

    TacScrollBar& Bar() { return bar_; }
    const TacScrollBar& Bar() const { return bar_; }
    QScrollBar* PlatformBar() const { return platformBar_; }

    // Re-reads the platform's values and repaints when they changed (the platform sets some of
    // them with its signals blocked).
    void SyncWithPlatform();
    // Renders the bar as it would be painted now (also used by the benchmark).
    const TBitmap32& Render();
    int PaintCount() const { return paintCount_; }
    // Whether the last render came from the skin (false: the skin has no track section for
    // this kind of bar, and the platform's look is drawn instead).
    bool SkinPainted() const { return skinPainted_; }

    // IScrollBarHost
    TScrollInfo PlatformScrollInfo() const override;
    bool ArrowsEnabled() const override;
    void SendScroll(int code, int position) override;
    TPoint CursorPos() const override;
    void StartTimer(int id, int intervalMs) override;
    void StopTimer(int id) override;
    void RepaintBar() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QBasicTimer& TimerFor(int id) { return id == TacScrollBar::HoverTimer ? hoverTimer_ : repeatTimer_; }

    TacScrollWnd& owner_;
    QPointer<QScrollBar> platformBar_;
    TacScrollBar bar_;
    QBasicTimer hoverTimer_;
    QBasicTimer repeatTimer_;
    TBitmap32 image_;
    int paintCount_ = 0;
    bool skinPainted_ = false;
};

}  // namespace tornivex
