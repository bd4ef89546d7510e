#pragma once
// The program's push button (`TsButton`), a platform push button the skin engine takes over.
#include <QPushButton>

namespace tornivex {

// The program's push button. Without an active skin it is the platform's push button: never a
// default button, clicked by the mouse, or by Space or Enter while it has the focus.
class TsButton : public QPushButton {
    Q_OBJECT
public:
    explicit TsButton(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tornivex
