#include "EditTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "Fonts.h"
#include "TApplication.h"
#include "TestApplication.h"

namespace tornivex::testing {

void LoadField(TAdvEdit& field, TAdvEditType type, int16_t precision, TPrecisionDisplay display,
               const QString& suffix, const QString& text) {
    if (type != etString) field.SetEditType(type);
    if (precision != 0) field.SetPrecision(precision);
    if (display != pdNormal) field.SetPrecisionDisplay(display);
    if (!suffix.isEmpty()) field.SetSuffix(suffix);
    field.SetText(text);
    field.SetEditAlign(eaCenter);
    field.SetColor(field.palette().color(QPalette::Base));
    field.Loaded();
}

namespace {

[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new testing::TestApplicationEnvironment);

}  // namespace

void FieldWindowTest::SetUpTestSuite() { ASSERT_NE(platform::TApplication::Instance(), nullptr); }

void FieldWindowTest::SetUp() {
    platform::TApplication::Instance()->SetErrorPresenter(
        [this](QWidget*, const QString& caption, const QString& text) {
            errors.push_back({caption, text});
        });
}

void FieldWindowTest::TearDown() {
    window.reset();
    platform::TApplication::Instance()->SetErrorPresenter(nullptr);
    locale.reset();
}

void FieldWindowTest::BuildWindow(char16_t decimalSeparator, char16_t thousandSeparator) {
    locale = std::make_unique<ScopedFormatSettings>(decimalSeparator, thousandSeparator);
    window = std::make_unique<QWidget>();
    window->setFont(platform::InterfaceFont(11));
    window->resize(300, 120);
    const auto make = [this](const char* name, QRect bounds) {
        auto* field = new TAdvEdit(window.get());
        field->setObjectName(QString::fromLatin1(name));
        field->setGeometry(bounds);
        return field;
    };
    degED1 = make("degED1", {56, 7, 38, 21});
    edMicro = make("edMicro", {56, 34, 38, 21});
    edR2 = make("edR2", {198, 64, 54, 21});
    edR1 = make("edR1", {132, 64, 54, 21});
    LoadField(*degED1, etFloat, 3, pdShortest, QStringLiteral("\u00B0"), QStringLiteral("1.8"));
    LoadField(*edMicro, etNumeric, 0, pdNormal, {}, QStringLiteral("10"));
    LoadField(*edR1, etFloat, 8, pdShortest, {}, QStringLiteral("40"));
    LoadField(*edR2, etFloat, 8, pdShortest, {}, QStringLiteral("1"));
    button = new QPushButton(QStringLiteral("Calculate"), window.get());
    button->setGeometry(8, 90, 137, 25);
    QObject::connect(button, &QPushButton::clicked, [this] { ++buttonClicks; });
    QWidget::setTabOrder(degED1, edMicro);
    QWidget::setTabOrder(edMicro, edR2);
    QWidget::setTabOrder(edR2, edR1);
    QWidget::setTabOrder(edR1, button);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void FieldWindowTest::Enter(TAdvEdit* field) {
    if (field->hasFocus()) return;
    field->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(field->hasFocus());
}

void FieldWindowTest::Type(TAdvEdit* field, const QString& keys) { QTest::keyClicks(field, keys); }

void FieldWindowTest::Key(TAdvEdit* field, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(field, key, modifiers);
}

void FieldWindowTest::Empty(TAdvEdit* field) {
    Enter(field);
    field->SelectAll();
    Key(field, Qt::Key_Backspace);
}

void FieldWindowTest::Leave(TAdvEdit* field) {
    ASSERT_TRUE(field->hasFocus());
    Key(field, Qt::Key_Tab);
    ASSERT_FALSE(field->hasFocus());
}

void FieldWindowTest::SetClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }

}  // namespace tornivex::testing
