#pragma once
// A window with the main window's four fields, configured as the main window configures them,
// followed by a push button; one application on the offscreen platform with the Fusion style and
// an error display that records instead of showing.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <QPushButton>
#include <QString>
#include <QWidget>

#include "AdvEdit.h"
#include "FieldDesigns.h"
#include "LocaleSettings.h"

namespace tornivex::testing {

struct ShownError {
    QString caption;
    QString text;
};

// Applies a field's stored properties in the window's order, then ends loading.
void LoadField(TAdvEdit& field, const TFieldDesign& design);

class FieldWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Builds the window under the given separators and shows it active.
    void BuildWindow(char16_t decimalSeparator = u'.', char16_t thousandSeparator = u',');
    // Gives the field the focus the way Tab does.
    void Enter(TAdvEdit* field);
    void Type(TAdvEdit* field, const QString& keys);
    void Key(TAdvEdit* field, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Selects the whole value and deletes it with Backspace.
    void Empty(TAdvEdit* field);
    // Leaves the field the way Tab does.
    void Leave(TAdvEdit* field);
    static void SetClipboard(const QString& text);

    std::unique_ptr<ScopedFormatSettings> locale;
    std::unique_ptr<QWidget> window;
    TAdvEdit* degED1 = nullptr;
    TAdvEdit* edMicro = nullptr;
    TAdvEdit* edR1 = nullptr;
    TAdvEdit* edR2 = nullptr;
    QPushButton* button = nullptr;
    int buttonClicks = 0;
    std::vector<ShownError> errors;
};

}  // namespace tornivex::testing
