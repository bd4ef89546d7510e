#pragma once
// The widget side of a control's skin state, shared by every skinned control and the form
// provider: a QWidget as the state object's owner (TWidgetSkinOwner), the one place where Qt's
// events become the state object's messages (DispatchSkinEvent), and the copy of a finished
// picture to the screen (PaintSkinPicture).
//
// A skinned widget typically does, in its event():
//     if (IsSkinCommand(e)) { ...own commands first...; return DispatchSkinEvent(data, e) || ...; }
//     ...its own reaction to enter/leave/press...
//     DispatchSkinEvent(data, e);          // move, resize, focus, enabled, enter/leave, show/hide
//     return Base::event(e);
// and in paintEvent(): render the cache when data.FBGChanged, then PaintSkinPicture(*this, data).
#include "skin/paint/SkinOwner.h"
#include "skin/paint/sCommonData.h"

#include <optional>

class QEvent;
class QPainter;
class QWidget;

namespace tornivex {

class TWidgetSkinOwner : public ISkinOwner {
public:
    explicit TWidgetSkinOwner(QWidget* widget);

    // Set by the owning control at the start of its destructor / while it is being built.
    void SetDestroying(bool value) { destroying_ = value; }
    void SetLoading(bool value) { loading_ = value; }

    QObject* Object() const override;
    QObject* ParentObject() const override;
    std::vector<QObject*> ChildControls(QObject* of) const override;
    TRect Bounds() const override;
    TRect ParentClientRect() const override;
    bool IsEnabled() const override;
    bool IsVisible() const override;
    bool HasInputFocus() const override;
    bool HasWindow() const override;
    bool IsDestroying() const override { return destroying_; }
    bool IsLoading() const override { return loading_; }
    TColor Color() const override;
    TColor FontColor() const override;
    void SetColor(TColor color) override;
    void SetFontColor(TColor color) override;
    void Redraw(bool now) override;
    void ShowFrame(const TBitmap32& frame) override;

protected:
    QWidget* widget_;

private:
    bool destroying_ = false;
    bool loading_ = false;
};

// The state object's message for a Qt event, when it has one: Move, Resize, FocusIn/Out,
// EnabledChange, Enter/Leave, Show (showing changed) and Hide (visibility changed).
std::optional<TacMessage> SkinMessageOf(const QEvent& event);

// Skin commands go to HandleSkinCommand (marking the event handled), mapped events to WndProc.
// Answers whether the event was consumed.
bool DispatchSkinEvent(TsCommonData& data, QEvent* event);

// Copies what the control shows now (the running fade's frame, else the cache) to the widget.
void PaintSkinPicture(QWidget& widget, const TsCommonData& data);

// Draws a picture of skin pixels (no text) made in logical pixels at the painter's origin: as it
// is at ratio 1, else each logical pixel as its block of the device grid, drawn 1:1.
void DrawOnDeviceGrid(QPainter& painter, const TBitmap32& picture, double ratio);

// Plain colour of a Qt colour and back.
TColor ColorOfQColor(const QColor& color);
QColor QColorOfColor(TColor color);

// Lets background queries fall back on widgets that know nothing of skins (their palette colour,
// or their own painting). Called by TWidgetSkinOwner; safe to call again.
void InstallWidgetBackgroundFallbacks();

}  // namespace tornivex
