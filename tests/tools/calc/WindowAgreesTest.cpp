// The command-line calculator and the main window, given the same four values, show the same:
// the window is driven through real key events (empty each field, paste the value, move on),
// then "Calculate" is clicked; the result lines it changed and the error messages it showed must
// equal what tornivex-calc prints.
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "CalcOutcome.h"
#include "LocaleSettings.h"
#include "ReferenceInputs.h"
#include "TApplication.h"
#include "TestApplication.h"
#include "TuningAssistant.h"
#include "Unit1.h"

namespace tornivex::calc {
namespace {

struct Shown {
    std::vector<std::string> lines;   // result lines that changed, in window order
    std::vector<std::string> errors;  // messages of the error display, in order
};

[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new testing::TestApplicationEnvironment);

class WindowAgrees : public ::testing::TestWithParam<std::vector<std::string>> {
protected:
    Shown InWindow(const std::vector<std::string>& values) {
        Shown shown;
        platform::TApplication::Instance()->SetErrorPresenter(
            [&](QWidget*, const QString&, const QString& text) { shown.errors.push_back(text.toStdString()); });
        TForm1 form;
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        const std::vector<platform::TLabel*> labels = {form.Label1, form.Label4, form.Label10,
                                                       form.Label12, form.Label13};
        std::vector<QString> before;
        for (const auto* label : labels) before.push_back(label->Caption());

        const std::vector<TAdvEdit*> fields = {form.degED1, form.edMicro, form.edR1, form.edR2};
        for (size_t i = 0; i < fields.size(); ++i) {
            TAdvEdit* field = fields[i];
            field->setFocus(Qt::TabFocusReason);
            field->SelectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QGuiApplication::clipboard()->setText(QString::fromStdString(values[i]));
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        }
        QTest::mouseClick(form.sButton1, Qt::LeftButton);

        for (size_t i = 0; i < labels.size(); ++i)
            if (labels[i]->Caption() != before[i]) shown.lines.push_back(labels[i]->Caption().toStdString());
        platform::TApplication::Instance()->SetErrorPresenter(nullptr);
        return shown;
    }

    static Shown OnCommandLine(const std::vector<std::string>& values) {
        const Outcome outcome = Calc(values);
        EXPECT_NE(outcome.status, kUsageError) << outcome.err;
        return {SplitLines(outcome.out), SplitLines(outcome.err)};
    }

    void ExpectAgreement() {
        const std::vector<std::string>& values = GetParam();
        const Shown window = InWindow(values);
        const Shown cli = OnCommandLine(values);
        EXPECT_EQ(cli.lines, window.lines);
        EXPECT_EQ(cli.errors, window.errors);
    }
};

TEST_P(WindowAgrees, DotSeparator) {
    ScopedFormatSettings locale(u'.', u',');
    ExpectAgreement();
}

TEST_P(WindowAgrees, CommaSeparator) {
    ScopedFormatSettings locale(u',', u'.');
    ExpectAgreement();
}

INSTANTIATE_TEST_SUITE_P(Inputs, WindowAgrees, ::testing::ValuesIn(kReferenceInputs));

// The tuning assistant's figures: typed into its window after "Calculate", and given to
// tornivex-calc as options, they read the same, line for line.
TEST(AssistantAgrees, WindowAndCommandLine) {
    for (const auto& [decimal, thousand] : {std::pair{u'.', u','}, std::pair{u',', u'.'}}) {
        const ScopedFormatSettings locale(decimal, thousand);
        const auto local = [&](std::string text) {
            for (char& c : text) if (c == '.') c = static_cast<char>(decimal);
            return text;
        };
        TForm1 form;
        form.show();
        TTuningAssistant assistant(&form);
        FollowCalculations(assistant, form);
        form.edR1->SetText("57");
        form.edR2->SetText("11");
        QTest::mouseClick(form.sButton1, Qt::LeftButton);
        const std::vector<std::pair<TAdvEdit*, std::string>> typed = {
            {assistant.edRadius, local("75.5")}, {assistant.edRate, "45000"}, {assistant.edSpeed, "20000"},
            {assistant.edCommanded, "90"}, {assistant.edMeasured, local("90.031")}};
        for (const auto& [field, text] : typed) {
            field->SelectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, QString::fromStdString(text));
        }
        std::string expected;
        for (const auto* label : {form.Label1, form.Label4, form.Label10, form.Label12, form.Label13})
            expected += label->Caption().toStdString() + "\n";
        const char* titles[] = {"Resolution", "Speed", "Calibration"};
        for (size_t i = 0; i < 6; ++i) {
            if (i % 2 == 0) expected += std::string("\n") + titles[i / 2] + "\n";
            expected += assistant.FigureLines[i]->Caption().toStdString() + "\n";
        }
        expected += "\n" + assistant.ControllerText().toStdString() + "\n";
        const Outcome cli = Calc({"--radius", local("75.5"), "--rate", "45000", "--speed", "20000", "--commanded", "90",
                                  "--measured", local("90.031"), "--controller", "all", local("1.8"), "10", "57", "11"});
        EXPECT_EQ(cli.status, kSuccess) << cli.err;
        EXPECT_EQ(cli.out, expected);
    }
}

}  // namespace
}  // namespace tornivex::calc
