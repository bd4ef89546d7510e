#pragma once
// The tuning assistant: a skinned window beside the main window that takes the last calculated
// units (or typed ones) and shows, as the user types, the resolution, the speed limit, the
// calibration from a measured move and the lines each controller wants, ready to copy.
#include <QDialog>

#include <array>
#include <optional>

#include "AdvEdit.h"
#include "AssistantReport.h"
#include "sButton.h"
#include "sLabel.h"
#include "sMemo.h"

namespace tornivex {

class TTuningAssistant : public QDialog {
    Q_OBJECT
public:
    // mainWindow is the window it opens beside.
    explicit TTuningAssistant(QWidget* mainWindow);
    ~TTuningAssistant() override;

    // Starts from a calculation's exact units and gear ratio: the fields show their texts, and
    // the figures use the exact values until the user changes a field.
    void TakeCalculation(std::optional<Extended> units, std::optional<Extended> ratio);
    // Shows the window beside the main window (over it when there is no room) and activates it.
    void Open();

    QWidget* Client() const { return client_; }
    // What the window shows now.
    const AssistantReport& Report() const { return report_; }
    // The controller lines and notes as the memo shows them.
    QString ControllerText() const;

    // The input fields, in tab order.
    TAdvEdit* edUnits = nullptr;
    TAdvEdit* edRatio = nullptr;
    TAdvEdit* edRadius = nullptr;
    TAdvEdit* edRate = nullptr;
    TAdvEdit* edSpeed = nullptr;
    TAdvEdit* edCommanded = nullptr;
    TAdvEdit* edMeasured = nullptr;
    // Two figure lines per section: resolution, speed, calibration.
    std::array<TsLabel*, 6> FigureLines{};
    std::array<TsButton*, 4> RateButtons{};
    TsMemo* sMemoLines = nullptr;
    TsButton* sButtonCopy = nullptr;
    TsButton* sButtonClose = nullptr;

    static constexpr int ClientWidth = 620;
    static constexpr int ClientHeight = 532;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void Recalculate();
    void ShowSection(const FigureSection& section, size_t firstLine);
    void ShowControllerLines();
    void OpenLinesMenu(const QPoint& globalPos);

    QWidget* mainWindow_;
    QWidget* client_ = nullptr;
    AssistantReport report_;
    // The calculation's exact values, used while their field still shows their text.
    std::optional<Extended> exactUnits_, exactRatio_;
    QString exactUnitsText_, exactRatioText_;
};

// Gives the assistant the main window's last calculation now and after every "Calculate".
void FollowCalculations(TTuningAssistant& assistant, class TForm1& mainWindow);

// The tuning assistant, once it has been built.
extern TTuningAssistant* AssistantForm;

}  // namespace tornivex
