#pragma once
// Shared set-up for the window tests: one application on the offscreen platform with the Fusion
// style and "." as decimal separator, an error display that records instead of showing, and the
// two windows built as at start-up.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QImage>
#include <QMenu>
#include <QString>

#include "LocaleSettings.h"
#include "TApplication.h"
#include "Unit1.h"
#include "Unit2.h"

namespace tornivex::testing {

struct ShownError {
    QString caption;
    QString text;
};

class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Shows the main window as start-up does and waits until it is active.
    void ShowMainWindow();
    void ClickCalculate();
    // The captions of result lines 1 to 5.
    std::vector<QString> ResultLines() const;

    // Empties a field and types text into it, as a user does.
    static void TypeInto(TAdvEdit* field, const QString& text);
    // Opens a menu with open(), hands it to use() while it is shown, then closes what is left and
    // activates `window` again (the main window when none is given).
    void WithMenu(const std::function<void()>& open, const std::function<void(QMenu&)>& use,
                  QWidget* window = nullptr);

    // Compares an image with tests/app/golden/<name>.png, or writes it when
    // TORNIVEX_UPDATE_GOLDEN is set.
    static void ExpectMatchesGolden(const QImage& image, const QString& name);

    std::unique_ptr<ScopedFormatSettings> locale;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::vector<ShownError> errors;
};

}  // namespace tornivex::testing
