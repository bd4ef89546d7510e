#pragma once
// Automatic attachment: forms that carry no provider of their own get one from an
// application-wide watch that stands in for the skin manager's window hook: when the finished
// form is polished before its native window exists, else when it is shown or activated. The exclusion rules decide which windows are left with the desktop's look.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace tornivex {

class TsSkinProvider;

// Window class names that are never skinned automatically.
QStringList& acIntExceptions();

class TacProvider : public QObject {
    Q_OBJECT
public:
    explicit TacProvider(QWidget* form);
    ~TacProvider() override;

    QPointer<QWidget> CtrlHandle;
    TsSkinProvider* Provider() const { return provider_; }

    // Gives the form its provider: made at run time, the form keeps its own colour, redrawn.
    void InitForm(QWidget* form);

    // The providers made this way that still exist.
    static const QList<TacProvider*>& All();

private:
    TsSkinProvider* provider_ = nullptr;
};

// Applies the rules to one window and attaches a provider when they allow it; answers whether
// one was attached.
bool TrySkinForm(QWidget* window);

// Installs the watch on the application once (first show or activation of a top-level form).
void InstallFormActivationWatch();

}  // namespace tornivex
