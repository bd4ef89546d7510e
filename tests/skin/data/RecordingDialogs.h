#pragma once
// Installs itself as the skin dialogs for the lifetime of a test and records every box.
#include <QString>
#include <QStringList>

#include <functional>

#include "SkinDialogs.h"

namespace tornivex::testing {

class RecordingDialogs final : public TScopedSkinDialogs {
public:

    void ShowError(const QString& text, const QString& caption) override {
        errors << text;
        errorCaptions << caption;
        if (onError) onError();
    }
    void ShowMessage(const QString& text) override { messages << text; }
    void ShowWarning(const QString& text) override { warnings << text; }

    QStringList errors, errorCaptions, messages, warnings;
    std::function<void()> onError; // runs while the error box would be open
};

} // namespace tornivex::testing
