#include "EditTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "Fonts.h"
#include "TApplication.h"
#include "TestApplication.h"

namespace tornivex::testing {

void LoadField(TAdvEdit& field, const TFieldDesign& design) {
    ApplyStoredProperties(
        field, design, [](const char16_t* text) { return QString::fromUtf16(text); },
        [&field](const QString& text) { field.SetText(text); });
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
    const auto make = [this](const TFieldDesign& design) {
        auto* field = new TAdvEdit(window.get());
        field->setObjectName(QString::fromLatin1(design.Name));
        field->setGeometry(design.Left, design.Top, design.Width, design.Height);
        return field;
    };
    // Tab order as in the main window: the right-hand ratio field before the left-hand one.
    degED1 = make(degED1Design);
    edMicro = make(edMicroDesign);
    edR2 = make(edR2Design);
    edR1 = make(edR1Design);
    LoadField(*degED1, degED1Design);
    LoadField(*edMicro, edMicroDesign);
    LoadField(*edR1, edR1Design);
    LoadField(*edR2, edR2Design);
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
