#include "WindowTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QTest>

#include "TestApplication.h"
#include "WindowPlacement.h"
#include "sSkinManagerWidgets.h"

namespace tornivex::testing {

namespace {

[[maybe_unused]] ::testing::Environment* const kApplication = ::testing::AddGlobalTestEnvironment(
    new TestApplicationEnvironment([] { InstallSkinManagerWidgets(); }));

}  // namespace

void WindowTest::SetUpTestSuite() { ASSERT_NE(platform::TApplication::Instance(), nullptr); }

void WindowTest::SetUp() {
    locale = std::make_unique<ScopedFormatSettings>(u'.', u',');
    platform::TApplication::Instance()->SetErrorPresenter(
        [this](QWidget*, const QString& caption, const QString& text) {
            errors.push_back({caption, text});
        });
    form1 = std::make_unique<TForm1>();
    form2 = std::make_unique<TForm2>(form1.get());
    form1->SetAboutDialog([this] { return form2.get(); });
}

void WindowTest::TearDown() {
    form2.reset();
    form1.reset();
    platform::TApplication::Instance()->SetErrorPresenter(nullptr);
    locale.reset();
}

void WindowTest::ShowMainWindow() {
    CenterOnDesktop(form1.get());
    form1->show();
    form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
}

void WindowTest::ClickCalculate() { QTest::mouseClick(form1->sButton1, Qt::LeftButton); }

std::vector<QString> WindowTest::ResultLines() const {
    return {form1->Label1->Caption(), form1->Label4->Caption(), form1->Label10->Caption(),
            form1->Label12->Caption(), form1->Label13->Caption()};
}

void WindowTest::TypeInto(TAdvEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

void WindowTest::WithMenu(const std::function<void()>& open, const std::function<void(QMenu&)>& use,
                          QWidget* window) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        shown = true;
        use(*menu);
        if (menu->isVisible()) menu->close();
    });
    open();
    QCoreApplication::processEvents();
    EXPECT_TRUE(shown) << "no menu opened";
    // The offscreen platform leaves no window active once a popup closed; an X server keeps the
    // form active all along.
    if (!window) window = form1.get();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

void WindowTest::ExpectMatchesGolden(const QImage& image, const QString& name) {
    const QString dir = QString::fromLocal8Bit(qgetenv("TORNIVEX_SOURCE_DIR")) +
                        QStringLiteral("/tests/app/golden");
    const QString path = dir + u'/' + name + QStringLiteral(".png");
    const QImage actual = image.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("TORNIVEX_UPDATE_GOLDEN")) {
        QDir().mkpath(dir);
        ASSERT_TRUE(actual.save(path)) << path.toStdString();
        return;
    }
    QImage expected(path);
    ASSERT_FALSE(expected.isNull()) << "missing golden image " << path.toStdString()
                                    << " (refresh with scripts/update-golden)";
    expected = expected.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(expected.size(), actual.size());
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (expected.pixel(x, y) != actual.pixel(x, y)) ++differing;
        }
    }
    if (differing != 0) actual.save(QDir::tempPath() + u'/' + name + QStringLiteral("-actual.png"));
    EXPECT_EQ(differing, 0) << name.toStdString() << ": " << differing
                            << " pixels differ; actual image written to the temp folder";
}

}  // namespace tornivex::testing
