#pragma once
// The About dialog: the licence and warranty notice, the maker's link, the copyright line and
// "Close". Created hidden the first time it is asked for and shown modally again and again.
#include <QDialog>

#include "TLabel.h"
#include "sButton.h"
#include "sMemo.h"
#include "sWebLabel.h"

namespace tornivex {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    // mainWindow is the window the dialog centres over.
    explicit TForm2(QWidget* mainWindow);
    ~TForm2() override;

    // Shows the dialog modally, centred over the main window; returns the modal result.
    int ShowModal();

    QWidget* Client() const { return client_; }

    TsMemo* sMemo1 = nullptr;
    TsWebLabel* sWebLabel1 = nullptr;
    platform::TLabel* Label2 = nullptr;
    TsButton* sButton1 = nullptr;

    static constexpr int ClientWidth = 242;
    static constexpr int ClientHeight = 143;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* mainWindow_;
    QWidget* client_ = nullptr;
};

// The one About dialog, once it has been built.
extern TForm2* Form2;

}  // namespace tornivex
