#pragma once
// The bare Qt window the start-up of the skinned program is measured against: the main window's
// size with the same number of controls, plain: 11 labels, 4 line edits, 2 push buttons and one
// more label for the link.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <memory>

namespace tornivex::bench {

inline std::unique_ptr<QWidget> BareWindow() {
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("4th Axis Tornivex"));
    window->setFixedSize(535, 177);
    for (int i = 0; i < 12; ++i) {
        auto* label = new QLabel(QStringLiteral("Label %1").arg(i), window.get());
        label->move(8 + (i % 3) * 150, 8 + (i / 3) * 27);
    }
    for (int i = 0; i < 4; ++i) (new QLineEdit(QStringLiteral("1.8"), window.get()))->setGeometry(300, 8 + i * 27, 54, 21);
    (new QPushButton(QStringLiteral("Calculate"), window.get()))->setGeometry(8, 145, 137, 25);
    (new QPushButton(QStringLiteral("About"), window.get()))->setGeometry(151, 145, 56, 25);
    return window;
}

}  // namespace tornivex::bench
