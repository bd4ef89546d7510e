// A seedable monkey on the real windows: random mouse, wheel and key events through the window
// system's entry points, random clipboard contents, separator changes, skin switches, About opened
// and closed, and every box answered as it appears. It checks that each event is handled within a
// second, that no exception reaches Qt, that the fields hold only what their types allow and that
// the result lines are the design texts or what the calculation makes of the fields.
//   TORNIVEX_MONKEY_SEED=n     repeats a run
//   TORNIVEX_MONKEY_EVENTS=n   events in the run (10,000 by default)
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <random>
#include <thread>

#include "FieldResultLines.h"
#include "Shell.h"
#include "TypedChars.h"
#include "WindowTestSupport.h"
#include "sSkinManager.h"

namespace tornivex::testing {
namespace {

using Lines = std::array<QString, 5>;

// The fields' values as the calculation reads them, taken at one moment.
class FieldSnapshot : public TuningInputs {
public:
    FieldSnapshot() = default;
    explicit FieldSnapshot(const TForm1& form)
        : micro_(form.edMicro->Text().toStdU16String()), r1_(form.edR1->Text().toStdU16String()),
          r2_(form.edR2->Text().toStdU16String()) {
        try {
            angle_ = form.degED1->FloatValue();
        } catch (...) {
            angleError_ = std::current_exception();
        }
    }
    double StepAngle() override {
        if (angleError_) std::rethrow_exception(angleError_);
        return angle_;
    }
    std::u16string MicroText() override { return micro_; }
    std::u16string R1Text() override { return r1_; }
    std::u16string R2Text() override { return r2_; }

private:
    double angle_ = 0;
    std::exception_ptr angleError_;
    std::u16string micro_, r1_, r2_;
};

class RecordedLines : public TuningResultLines {
public:
    explicit RecordedLines(Lines start) : lines(std::move(start)) {}
    void SetCaption(ResultLine line, const std::u16string& caption) override {
        lines[std::size_t(line)] = QString::fromStdU16String(caption);
    }
    Lines lines;
};

Lines CalculatedFrom(const Lines& before, FieldSnapshot inputs) {
    RecordedLines lines(before);
    try {
        RunTuningCalculation(inputs, lines);
    } catch (...) {
    }
    return lines.lines;
}

class GuiMonkeyTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        platform::TApplication::Instance()->SetErrorPresenter(nullptr);  // real boxes, answered below
        platform::SetShellOpener([](const QString&) { return true; });
    }
    void TearDown() override {
        platform::SetShellOpener(nullptr);
        QGuiApplication::clipboard()->clear();
        WindowTest::TearDown();
    }

    Lines CurrentLines() const {
        const std::vector<QString> l = ResultLines();
        return {l[0], l[1], l[2], l[3], l[4]};
    }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng); }
    void Fail(const std::string& what) {
        if (failed) return;
        failed = true;
        ADD_FAILURE() << "event " << events << " of seed " << seed << ": " << what
                      << " (repeat with TORNIVEX_MONKEY_SEED=" << seed << ")";
    }

    QWidget* TargetWindow() {
        if (QWidget* popup = QApplication::activePopupWidget(); popup && Chance(0.8)) return popup;
        if (QWidget* modal = QApplication::activeModalWidget(); modal && Chance(0.8)) return modal;
        if (form2->isVisible() && Chance(0.5)) return form2.get();
        return form1.get();
    }

    // A point of the window: inside one of its controls, on the title strip, at the close button
    // or anywhere.
    QPoint PointIn(QWidget* window) {
        const int w = window->width(), h = window->height();
        switch (Pick(4)) {
        case 0: {
            const QList<QWidget*> children = window->findChildren<QWidget*>();
            if (children.isEmpty()) break;
            QWidget* child = children[Pick(int(children.size()))];
            if (!child->isVisible() || child->width() < 1 || child->height() < 1) break;
            return child->mapTo(window, QPoint(Pick(child->width()), Pick(child->height())));
        }
        case 1: return {Pick(w), Pick(std::min(h, 26))};
        case 2: return {std::max(0, w - 1 - Pick(30)), Pick(std::min(h, 26))};
        default: break;
        }
        return {Pick(w + 10) - 5, Pick(h + 10) - 5};
    }

    void SetRandomClipboard() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        static const QString texts[] = {
            QString(), QStringLiteral("12.5"), QStringLiteral("-3,75"), QStringLiteral("1e400"),
            QStringLiteral("-1.8e308"), QStringLiteral("179769313486231570000000000000000000000000000000000"),
            QStringLiteral("\t\r\n\x01\x7f"), QString(QChar(0xD800)) + QStringLiteral("7"),
            QString(10000, u'9'), QStringLiteral("1 000,5"), QStringLiteral("abc")};
        switch (Pick(3)) {
        case 0: clipboard->clear(); break;
        case 1: clipboard->setMimeData(new QMimeData); break;
        default: clipboard->setText(texts[Pick(int(std::size(texts)))]); break;
        }
    }

    void MouseEvent(QWidget* window) {
        QWindow* handle = window->windowHandle();
        if (!handle) return;
        const QPoint p = PointIn(window);
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton,
                                                  Qt::RightButton, Qt::MiddleButton};
        const Qt::MouseButton button = buttons[Pick(5)];
        // Every step checks the window: a press that closes a menu also destroys its window.
        QPointer<QWindow> alive(handle);
        switch (Pick(5)) {
        case 0: QTest::mouseMove(handle, p); break;
        case 1:
            QTest::mousePress(handle, button, {}, p);
            if (alive) QTest::mouseRelease(handle, button, {}, p);
            break;
        case 2:
            // Qt sends the whole double click at once: not on a menu, which its first click closes.
            if ((window->windowType() & Qt::Popup) != Qt::Popup)
                QTest::mouseDClick(handle, Qt::LeftButton, {}, p);
            break;
        case 3: {  // a drag, perhaps out of the window
            QTest::mousePress(handle, button, {}, p);
            if (!alive) return;
            const QPoint to = PointIn(window) + QPoint(Pick(200) - 100, Pick(60) - 30);
            QTest::mouseMove(handle, (p + to) / 2);
            if (alive) QTest::mouseMove(handle, to);
            if (alive) QTest::mouseRelease(handle, button, {}, to);
            break;
        }
        default: {
            QWidget* under = window->childAt(p);
            if (!under) under = window;
            const QPoint local = under->mapFrom(window, p);
            QWheelEvent wheel(local, window->mapToGlobal(p), QPoint(), QPoint(0, Chance(0.5) ? 120 : -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(under, &wheel);
            break;
        }
        }
    }

    void KeyEvent(QWidget* window) {
        // Keys go where a window system sends them: to the open menu or box, else the active
        // window. A menu gets keys without modifiers: QTest sends a modifier as a key event of
        // its own, which closes and frees the menu's window before the key that follows it.
        QWidget* top = QApplication::activePopupWidget();
        const bool toMenu = top != nullptr;
        if (!top) top = QApplication::activeModalWidget();
        if (!top) top = QApplication::activeWindow();
        if (!top) top = window;
        QWindow* handle = top->windowHandle();
        if (!handle) return;
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        static const Key keys[] = {
            {Qt::Key_Tab, {}}, {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Escape, {}},
            {Qt::Key_Return, {}}, {Qt::Key_Space, {}}, {Qt::Key_Space, Qt::AltModifier},
            {Qt::Key_Left, {}}, {Qt::Key_Right, {}}, {Qt::Key_Up, {}}, {Qt::Key_Down, {}},
            {Qt::Key_Home, {}}, {Qt::Key_End, Qt::ShiftModifier}, {Qt::Key_Backspace, {}},
            {Qt::Key_Delete, {}}, {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
            {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
            {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ShiftModifier}, {Qt::Key_Menu, {}}};
        static const char typed[] = "0123456789.,-+eE ax";
        // Press and release apart: a press that closes a menu also destroys its window.
        QPointer<QWindow> alive(handle);
        if (Chance(0.5)) {
            const Key& k = keys[Pick(int(std::size(keys)))];
            const Qt::KeyboardModifiers modifiers = toMenu ? Qt::NoModifier : k.modifiers;
            QTest::keyPress(handle, k.key, modifiers);
            if (alive) QTest::keyRelease(handle, k.key, modifiers);
        } else {
            const char c = typed[Pick(int(sizeof typed) - 1)];
            QTest::keyPress(handle, c);
            if (alive) QTest::keyRelease(handle, c);
        }
    }

    // Closes one open menu or box, as a user answering it would.
    void AnswerOne() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        } else if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++boxesAnswered;
            if (QAbstractButton* ok = box->defaultButton()) ok->click();
            else box->reject();
        } else if (form2->isVisible()) {
            form2->close();
        }
    }

    void OneEvent() {
        QWidget* window = TargetWindow();
        const int kind = Pick(100);
        if (kind < 45) MouseEvent(window);
        else if (kind < 85) KeyEvent(window);
        else if (kind < 91) SetRandomClipboard();
        else if (kind < 95) AnswerOne();
        else if (kind < 97) {
            static const TFormatSettings separators[] = {{u'.', u','}, {u',', u'.'}, {u',', u' '}, {u'.', u'\''}};
            FormatSettings() = separators[Pick(4)];
        } else if (kind < 98 && !QApplication::activeModalWidget()) {
            QTest::mouseClick(form1->sButton2, Qt::LeftButton);  // About, modal: the run goes on inside
        } else {
            static const char* skins[] = {"Aluminium (internal)", "Topaz (internal)"};
            if (Chance(0.3)) form1->sSkinManager1->SetActive(!form1->sSkinManager1->Active());
            else form1->sSkinManager1->SetSkinName(QString::fromLatin1(skins[Pick(2)]));
        }
    }

    void CheckFields() {
        for (const TAdvEdit* field : {form1->degED1, form1->edMicro, form1->edR1, form1->edR2}) {
            for (const QChar c : field->Text()) {
                // Separators typed under an earlier setting stay until the user changes them.
                if (!edit::AcceptsCharacter(field->EditType(), c.unicode(), u"") && c != u'.' && c != u',' &&
                    c != u' ' && c != u'\'')
                    Fail("field " + field->objectName().toStdString() + " holds \"" +
                         field->Text().toStdString() + "\"");
            }
        }
    }

    void CheckLines() {
        const Lines now = CurrentLines();
        if (now != lastLines && now != CalculatedFrom(lastLines, lastFields) &&
            now != CalculatedFrom(lastLines, FieldSnapshot(*form1)))
            Fail("result lines \"" + now[4].toStdString() + "\" are not what the fields give");
        if (now != lastLines) ++resultChanges;
        lastLines = now;
        lastFields = FieldSnapshot(*form1);
    }

    // One tick: checks what the previous event left, then sends the next. The next tick is
    // queued first, so ticks go on inside every modal loop or menu an event opens, as a user's
    // would; a tick that comes from Qt processing events within a send waits for the send.
    void Tick(QEventLoop& loop) {
        progress.fetch_add(1);
        QTimer::singleShot(0, form1.get(), [this, &loop] { Tick(loop); });
        const int loopLevel = QThread::currentThread()->loopLevel();
        if (!sendingAt.empty() && sendingAt.back() == loopLevel) return;
        if (sinceLastTick.restart() > 1000) Fail("an event took longer than a second");
        if (platform::TApplication::Instance()->EscapedExceptions() != 0) Fail("an exception reached Qt");
        CheckLines();
        if (events % 1000 == 0) CheckFields();
        if (failed || events >= total) {
            // Winding down: answer what is open until every event sent has come back.
            if (QApplication::activePopupWidget() || QApplication::activeModalWidget() || form2->isVisible())
                AnswerOne();
            else if (sendingAt.empty())
                loop.quit();
            return;
        }
        ++events;
        sendingAt.push_back(loopLevel);
        OneEvent();
        sendingAt.pop_back();
    }

    // A hang never comes back to report itself: this thread names the seed and stops the run.
    void WatchForHang() {
        watchdog = std::thread([this] {
            long seen = -1;
            int stalled = 0;
            while (!finished.load()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                const long now = progress.load();
                stalled = now == seen ? stalled + 1 : 0;
                seen = now;
                if (stalled == 300) {
                    std::cerr << "GUI monkey: no event handled for 30 s after event " << events << " of seed "
                              << seed << " (repeat with TORNIVEX_MONKEY_SEED=" << seed << ")\n";
                    std::abort();
                }
            }
        });
    }

    std::mt19937_64 rng;
    unsigned long long seed = 20261210;
    long total = 10000;
    long events = 0;
    long resultChanges = 0, boxesAnswered = 0;
    std::vector<int> sendingAt;  // event loop level of each event sent and not yet back
    bool failed = false;
    Lines lastLines;
    FieldSnapshot lastFields;
    QElapsedTimer sinceLastTick;
    std::atomic<long> progress{0};
    std::atomic<bool> finished{false};
    std::thread watchdog;
};

TEST_F(GuiMonkeyTest, RandomEventsLeaveTheProgramWholeAndConsistent) {
    if (qEnvironmentVariableIsSet("TORNIVEX_MONKEY_SEED"))
        seed = qEnvironmentVariable("TORNIVEX_MONKEY_SEED").toULongLong();
    if (qEnvironmentVariableIsSet("TORNIVEX_MONKEY_EVENTS"))
        total = qEnvironmentVariable("TORNIVEX_MONKEY_EVENTS").toLong();
    std::cerr << "GUI monkey: seed " << seed << ", " << total << " events\n";
    rng.seed(seed);
    ScopedFormatSettings separators(u'.', u',');
    ShowMainWindow();
    lastLines = CurrentLines();  // the design texts
    lastFields = FieldSnapshot(*form1);

    QEventLoop loop;
    WatchForHang();
    sinceLastTick.start();
    QTimer::singleShot(0, form1.get(), [&] { Tick(loop); });
    loop.exec();
    finished = true;
    watchdog.join();
    std::cerr << "GUI monkey: " << events << " events, " << resultChanges << " changes of the results, "
              << boxesAnswered << " boxes answered\n";
    EXPECT_EQ(events, failed ? events : total);
    CheckFields();
    form1->sSkinManager1->SetActive(true);
}

}  // namespace
}  // namespace tornivex::testing
