#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "ErrorDisplay.h"
#include "Errors.h"
#include "SystemColors.h"
#include "TApplication.h"

namespace tornivex::platform {
namespace {

TEST(ErrorDisplayText, AppendsFullStopOnlyAfterCharactersAboveIt) {
    EXPECT_EQ(WithClosingFullStop("Floating point overflow"), "Floating point overflow.");
    EXPECT_EQ(WithClosingFullStop("Done."), "Done.");
    EXPECT_EQ(WithClosingFullStop("Really!"), "Really!");        // '!' is below '.'
    EXPECT_EQ(WithClosingFullStop("value -"), "value -");        // '-' is below '.'
    EXPECT_EQ(WithClosingFullStop("path/"), "path/.");            // '/' is above '.'
    EXPECT_EQ(WithClosingFullStop("''12'' is not a valid integer value"),
              "''12'' is not a valid integer value.");
    EXPECT_EQ(WithClosingFullStop(""), "");
    EXPECT_EQ(WithClosingFullStop("40\u00B0"), "40\u00B0.");
}

TEST(ErrorDisplayText, ShowsTheInnermostNonEmptyMessage) {
    auto innermost = std::make_shared<EConvertError>(u"'x' is not a valid floating point value");
    auto empty = std::make_shared<Exception>(u"", innermost);
    const Exception outer(u"Outer", empty);
    EXPECT_EQ(ErrorDisplayText(outer), "'x' is not a valid floating point value.");
    EXPECT_EQ(ErrorDisplayText(EZeroDivide()), "Floating point division by zero.");
    EXPECT_EQ(ErrorDisplayText(std::runtime_error("plain")), "plain.");
}

struct ShownBox {
    QString caption, text;
};

class TApplicationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "platform_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) app_ = new TApplication(argc, argv);
    }
    void SetUp() override {
        TApplication::Instance()->SetTitle("Tornivex");
        TApplication::Instance()->SetErrorPresenter(
            [this](QWidget*, const QString& caption, const QString& text) {
                shown.push_back({caption, text});
            });
    }
    void TearDown() override { TApplication::Instance()->SetErrorPresenter(nullptr); }

    std::vector<ShownBox> shown;
    static inline TApplication* app_ = nullptr;
};

TEST_F(TApplicationTest, GuardedHandlerShowsTheErrorAndCarriesOn) {
    int after = 0;
    RunGuarded([] { throw EInvalidOp(); });
    RunGuarded([&] { ++after; });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Tornivex");
    EXPECT_EQ(shown[0].text, "Invalid floating point operation.");
    EXPECT_EQ(after, 1);
}

// An exception escaping a Qt event handler is stopped at the application and shown.
class ThrowingButton : public QPushButton {
protected:
    void mousePressEvent(QMouseEvent*) override { throw EOverflow(); }
};

TEST_F(TApplicationTest, ExceptionFromEventHandlerReachesTheDisplay) {
    ThrowingButton button;
    button.resize(50, 20);
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Floating point overflow.");
}

TEST_F(TApplicationTest, SystemColoursFollowTheApplicationPalette) {
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(40, 50, 60));
    QApplication::setPalette(palette);
    EXPECT_EQ(ColorToRGB(clBtnFace), 0x030201);
    EXPECT_EQ(ColorToRGB(SystemColor(17)), MakeColor(40, 50, 60));  // grey text
    EXPECT_EQ(ToQColor(clBtnFace), QColor(1, 2, 3));
    EXPECT_EQ(ColorToRGB(clNavy), clNavy);
    QApplication::setPalette(saved);
}

}  // namespace
}  // namespace tornivex::platform
