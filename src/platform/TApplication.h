#pragma once
// The application object: title, the error display, and the guard that keeps exceptions from
// unwinding through Qt's event dispatch.
#include <exception>
#include <functional>

#include <QApplication>
#include <QString>

namespace tornivex::platform {

// Shows one error box: owner window (may be null), caption, text.
using ErrorPresenter =
    std::function<void(QWidget* owner, const QString& caption, const QString& text)>;

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    static TApplication* Instance();

    // The title is the caption of every error box.
    void SetTitle(const QString& title);
    QString Title() const { return title_; }

    // The default error display: a modal platform box with the stop icon and one OK button,
    // owned by the active window. Tests replace it to read what would be shown.
    void SetErrorPresenter(ErrorPresenter presenter);
    void ShowException(const std::exception& error);

    // Backstop: an exception that still escapes an event handler is shown, not propagated.
    bool notify(QObject* receiver, QEvent* event) override;
    // How often the backstop above caught something: a handler of ours that is not guarded.
    int EscapedExceptions() const { return escapedExceptions_; }

private:
    QString title_;
    ErrorPresenter presenter_;
    int escapedExceptions_ = 0;
};

// Runs an event handler's body; an error it raises ends the body and goes to the error display
// (or to stderr when no TApplication exists). Every handler of ours that can raise runs in here,
// so no exception crosses a Qt frame.
void RunGuarded(const std::function<void()>& body);

// Called when everything of ours is destroyed and only Qt's teardown is left. On Wayland that
// teardown gets two seconds, then the process ends with the status: Qt 6.4's Wayland plugin can
// hang for good joining its event threads (one stops with a read prepared that the other then
// waits for), which would leave a process without a window.
void BoundPlatformTeardown(int status);

// The platform's own box, used by the default presenter.
void ShowPlatformErrorBox(QWidget* owner, const QString& caption, const QString& text);

}  // namespace tornivex::platform
