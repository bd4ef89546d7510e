#pragma once
// Puts a skin chosen by the user on both windows: an internal skin by name, a package file or an
// unpacked skin folder (resolved as tornivex-skin resolves a SKIN argument), or no skin at all.
// An external skin is checked as `tornivex-skin check` checks it before the manager loads it; a
// skin that fails keeps the look on screen (the previous skin or the platform look) and answers
// the check's report. A good one reaches every form and control in one broadcast and repaint.
#include <QString>
#include <QStringList>

namespace tornivex {

class TsSkinManager;

// What a choice is, once resolved.
enum class TSkinKind { None, Internal, PackageFile, Folder };

struct TSkinLoadOutcome {
    bool Ok = false;
    // The check's error lines ("error: [SECTION] KEY: reason"), or one line naming the cause.
    QStringList Errors;
    double Milliseconds = 0;  // wall time of the load and repaint
};

class TSkinSwitcher {
public:
    explicit TSkinSwitcher(TsSkinManager& manager);

    // `spec`: an internal skin's name, a package file or a skin folder; empty: no skin.
    TSkinLoadOutcome Choose(const QString& spec);

    // The choice on screen: empty for no skin.
    const QString& Current() const { return current_; }
    TSkinKind CurrentKind() const { return kind_; }

private:
    TSkinLoadOutcome LoadInternal(const QString& name);
    TSkinLoadOutcome LoadExternal(const QString& spec);
    // Loads SkinName `name` from `directory` through the manager; true when it took.
    bool LoadThroughManager(const QString& directory, const QString& name, TSkinKind kind, QStringList& errors);

    TsSkinManager& manager_;
    QString current_;
    TSkinKind kind_ = TSkinKind::Internal;
};

}  // namespace tornivex
