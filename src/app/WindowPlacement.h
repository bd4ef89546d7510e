#pragma once
class QWidget;

namespace tornivex {

// Centres a top-level window's frame on the desktop, or over another window's frame. Before the
// window is first shown its frame is taken from the platform metrics of a dialog frame.
void CenterOnDesktop(QWidget* window);
void CenterOver(QWidget* window, const QWidget* over);

}  // namespace tornivex
