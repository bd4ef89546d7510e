#pragma once
// The main window: four input fields, the sentences around them, five result lines,
// "Calculate", "About" and the maker's link.
#include <QWidget>

#include <functional>

#include "AdvEdit.h"
#include "CalculatedResults.h"
#include "TLabel.h"
#include "sButton.h"
#include "sWebLabel.h"

namespace tornivex {

class TForm2;
class TTuningAssistant;
class TResultCopy;
class TsSkinManager;
class TsSkinProvider;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Where "About" finds its dialog; set at start-up.
    void SetAboutDialog(std::function<TForm2*()> about) { aboutDialog_ = std::move(about); }
    // Where the tuning assistant comes from; set at start-up. It is built on first use.
    void SetAssistant(std::function<TTuningAssistant*()> assistant) { assistant_ = std::move(assistant); }
    // Opens the tuning assistant with the last calculation's units.
    void OpenAssistant();
    const TCalculatedResults& Results() const { return results_; }

    // The area the controls live in: at (0, 0) while the desktop draws the frame, below the
    // title strip while the skin draws it.
    QWidget* Client() const { return client_; }

    // Copying the results, and the window's menu that goes with it.
    TResultCopy* ResultCopy() const { return resultCopy_; }

    void sButton1Click();
    void sButton2Click();

Q_SIGNALS:
    // A "Calculate" reached the units (a failed run keeps what those who follow it had).
    void Calculated();

public:

    platform::TLabel* Label8 = nullptr;
    TAdvEdit* degED1 = nullptr;
    platform::TLabel* Label2 = nullptr;
    platform::TLabel* Label1 = nullptr;
    platform::TLabel* Label3 = nullptr;
    TAdvEdit* edMicro = nullptr;
    platform::TLabel* Label7 = nullptr;
    platform::TLabel* Label4 = nullptr;
    platform::TLabel* Label11 = nullptr;
    TAdvEdit* edR1 = nullptr;
    platform::TLabel* Label9 = nullptr;
    TAdvEdit* edR2 = nullptr;
    platform::TLabel* Label10 = nullptr;
    platform::TLabel* Label12 = nullptr;
    platform::TLabel* Label13 = nullptr;
    TsButton* sButton1 = nullptr;
    TsButton* sButton2 = nullptr;
    TsWebLabel* sWebLabel1 = nullptr;
    // The window's skinned frame and client background.
    TsSkinProvider* sSkinProvider1 = nullptr;
    // Holds the two internal skins; "Aluminium (internal)" is active.
    TsSkinManager* sSkinManager1 = nullptr;

    static constexpr int ClientWidth = 535;
    static constexpr int ClientHeight = 177;

private:
    void CreateControls();
    void CreateFields();
    void CreateSkinManager();
    void WireEvents();

    QWidget* client_ = nullptr;
    std::function<TForm2*()> aboutDialog_;
    std::function<TTuningAssistant*()> assistant_;
    // What the last "Calculate" produced, for copying.
    TCalculatedResults results_;
    TResultCopy* resultCopy_ = nullptr;
};

// The main window, created at start-up.
extern TForm1* Form1;

}  // namespace tornivex
