#pragma once
// What a control's skin state (TsCommonData) needs to know about, and do to, the object that owns
// it: a skinned widget, or a form through its skin provider. The widget side implements this
// (skin/controls/SkinnedWidget.h); the state object itself stays free of widgets.

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "common/color/Color.h"

#include <vector>

class QObject;

namespace tornivex {

class ISkinOwner {
public:
    virtual ~ISkinOwner() = default;

    // The object that receives skin commands meant for the owner (23 render, 9 section, ...).
    virtual QObject* Object() const = 0;
    // The parent asked for the background under the owner (a provider: its form's parent); null
    // for none.
    virtual QObject* ParentObject() const = 0;
    // Direct child controls that take part in command broadcasts (windows of their own excluded).
    virtual std::vector<QObject*> ChildControls(QObject* of) const = 0;

    // The owner's bounds in its parent: position and size.
    virtual TRect Bounds() const = 0;
    // The parent's client rectangle in its own coordinates (empty without a parent).
    virtual TRect ParentClientRect() const = 0;

    virtual bool IsEnabled() const = 0;
    virtual bool IsVisible() const = 0;
    virtual bool HasInputFocus() const = 0;
    // The owner has a native window to put pixels on.
    virtual bool HasWindow() const = 0;
    // Being destroyed, or still being created or streamed in.
    virtual bool IsDestroying() const = 0;
    virtual bool IsLoading() const = 0;
    // A form's skin provider rather than a control.
    virtual bool IsProvider() const { return false; }

    // The owner's own colour and font colour (system colours allowed); edit-like owners take
    // the skin's colours through the setters.
    virtual TColor Color() const = 0;
    virtual TColor FontColor() const = 0;
    virtual void SetColor(TColor) {}
    virtual void SetFontColor(TColor) {}

    // Redraws the owner and its children; `now` = before returning.
    virtual void Redraw(bool now) = 0;
    // Puts a finished frame of a fade on the screen at once (the cache stays untouched).
    virtual void ShowFrame(const TBitmap32& frame) = 0;
    // The skin was removed: owners with plain children give them their own colours back.
    virtual void SkinRemoved() {}
    // Edit-like owners with a skinned frame recalculate it.
    virtual void FrameChanged() {}
};

}  // namespace tornivex
