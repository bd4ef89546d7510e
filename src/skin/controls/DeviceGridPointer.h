#pragma once
// The pointer on a scaled screen. The pictures put each logical pixel on the device pixels
// between the rounded images of its edges, so a device pixel shows logical pixel
// floor(device / ratio), and that is where the pointer over it must land. Qt hands widgets the
// exact fraction (device / ratio) and picks the widget under it by rounding, which at ratio 2
// gives the last device column of a button to its right neighbour and the column before it to
// the button. This filter, on a window, moves each mouse event's position down to whole logical
// pixels before the window sees it, so Qt's choice of widget and every hit test agree with the
// picture. On Wayland positions are fractional at any ratio, so it works there at ratio 1 too.

#include <QObject>

namespace tornivex {

class TDeviceGridPointer : public QObject {
public:
    // Filters the window of `form` from now on (call again once the form has a new window).
    static void Attach(QWidget* form);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace tornivex
