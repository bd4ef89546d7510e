#pragma once
// The few boxes the skin data layer shows. The data layer knows no widgets: it talks to this
// interface; the widgets side installs an implementation that shows real message boxes, tests
// install one that records. Without one, messages go to stderr.
#include <QString>

namespace tornivex {

class ISkinDialogs {
public:
    virtual ~ISkinDialogs() = default;
    // Error box: error icon, OK button, the given caption (empty = the application title).
    virtual void ShowError(const QString& text, const QString& caption) = 0;
    // Plain message box.
    virtual void ShowMessage(const QString& text) = 0;
    // Warning box: warning icon, OK button.
    virtual void ShowWarning(const QString& text) = 0;
};

// The dialogs in use; never null.
ISkinDialogs& SkinDialogs();
// Installs `dialogs` (not owned; null = back to stderr). Returns the previous one (null when it
// was the stderr fallback).
ISkinDialogs* SetSkinDialogs(ISkinDialogs* dialogs);

// Dialogs installed for the lifetime of the object; the ones before come back after it.
class TScopedSkinDialogs : public ISkinDialogs {
public:
    TScopedSkinDialogs() : previous_(SetSkinDialogs(this)) {}
    ~TScopedSkinDialogs() override { SetSkinDialogs(previous_); }
    TScopedSkinDialogs(const TScopedSkinDialogs&) = delete;
    TScopedSkinDialogs& operator=(const TScopedSkinDialogs&) = delete;

protected:
    // The dialogs that were in use before these (the stderr fallback when there were none).
    ISkinDialogs& Previous();

private:
    ISkinDialogs* previous_;
};

} // namespace tornivex
