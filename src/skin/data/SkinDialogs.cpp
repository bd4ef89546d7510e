#include "SkinDialogs.h"

#include <cstdio>

namespace tornivex {
namespace {

class StderrDialogs final : public ISkinDialogs {
public:
    void ShowError(const QString& text, const QString& caption) override {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption.isEmpty() ? "Error" : caption),
                     qUtf8Printable(text));
    }
    void ShowMessage(const QString& text) override {
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
    }
    void ShowWarning(const QString& text) override {
        std::fprintf(stderr, "Warning: %s\n", qUtf8Printable(text));
    }
};

StderrDialogs fallbackDialogs;
ISkinDialogs* installedDialogs = nullptr;

} // namespace

ISkinDialogs& SkinDialogs() { return installedDialogs ? *installedDialogs : fallbackDialogs; }

ISkinDialogs* SetSkinDialogs(ISkinDialogs* dialogs) {
    ISkinDialogs* previous = installedDialogs;
    installedDialogs = dialogs;
    return previous;
}

ISkinDialogs& TScopedSkinDialogs::Previous() {
    SetSkinDialogs(previous_);
    ISkinDialogs& dialogs = SkinDialogs();
    SetSkinDialogs(this);
    return dialogs;
}

} // namespace tornivex
