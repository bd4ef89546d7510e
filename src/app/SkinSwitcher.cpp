#include "SkinSwitcher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMetaObject>

#include <exception>
#include <new>

#include "SkinDialogs.h"
#include "SkinDirectory.h"
#include "SkinError.h"
#include "SkinLint.h"
#include "SkinSource.h"
#include "sSkinManager.h"

namespace tornivex {
namespace {

// Errors of a load are the switcher's to report; notices (an old or new skin version) still
// reach the user through the dialogs that were installed.
class CollectingDialogs final : public TScopedSkinDialogs {
public:
    void ShowError(const QString& text, const QString&) override { Errors << QStringLiteral("error: ") + text; }
    void ShowMessage(const QString& text) override { Previous().ShowMessage(text); }
    void ShowWarning(const QString& text) override { Previous().ShowWarning(text); }

    QStringList Errors;
};

TSkinLoadOutcome Failed(QStringList errors) {
    TSkinLoadOutcome outcome;
    outcome.Errors = std::move(errors);
    return outcome;
}

TSkinLoadOutcome Failed(const QString& error) { return Failed(QStringList{error}); }

TSkinLoadOutcome Succeeded() {
    TSkinLoadOutcome outcome;
    outcome.Ok = true;
    return outcome;
}

}  // namespace

TSkinSwitcher::TSkinSwitcher(TsSkinManager& manager) : manager_(manager) {
    if (manager_.Active()) current_ = manager_.SkinName();
    else kind_ = TSkinKind::None;
}

TSkinLoadOutcome TSkinSwitcher::Choose(const QString& spec) {
    QElapsedTimer timer;
    timer.start();
    TSkinLoadOutcome outcome;
    const QString internalName = StripAszSuffix(spec);
    if (spec.isEmpty()) {
        manager_.SetActive(false);
        current_.clear();
        kind_ = TSkinKind::None;
        outcome = Succeeded();
    } else if (!QFileInfo::exists(QDir::cleanPath(spec)) && manager_.InternalSkins().IndexOf(internalName) >= 0) {
        // A file or folder of that name wins, as in the skin tool.
        outcome = LoadInternal(internalName);
    } else {
        // Reading and checking happen before the manager is touched; whatever stops them (a file
        // too big for memory, say) is a reason like any other.
        try {
            outcome = LoadExternal(spec);
        } catch (const std::bad_alloc&) {
            outcome = Failed(QStringLiteral("there is not enough memory to read this skin"));
        } catch (const std::exception& error) {
            outcome = Failed(QString::fromLocal8Bit(error.what()));
        }
    }
    // Files and folders are kept by their full path, so the choice holds from any working folder.
    if (outcome.Ok && kind_ != TSkinKind::None && kind_ != TSkinKind::Internal)
        current_ = QDir::cleanPath(QFileInfo(spec).absoluteFilePath());
    outcome.Milliseconds = double(timer.nsecsElapsed()) / 1e6;
    return outcome;
}

TSkinLoadOutcome TSkinSwitcher::LoadInternal(const QString& name) {
    // The internal skin already on screen (the design skin named again by a remembered choice,
    // say) is neither loaded nor applied a second time.
    const bool onScreen = kind_ == TSkinKind::Internal && manager_.Active() && manager_.SkinName() == name &&
                          manager_.SkinIsPacked() && manager_.SkinDirectory() == DefaultSkinDirectory();
    QStringList errors;
    if (!onScreen && !LoadThroughManager(DefaultSkinDirectory(), name, TSkinKind::Internal, errors))
        return Failed(errors);
    return Succeeded();
}

TSkinLoadOutcome TSkinSwitcher::LoadExternal(const QString& spec) {
    OpenedSkin opened;
    try {
        opened = OpenSkin(spec);
    } catch (const SkinSourceError& error) {
        return Failed(error.Message());
    } catch (const ESkinError& error) {
        return Failed(error.Message());
    }
    if (opened.Kind == SkinKind::Internal) return LoadInternal(opened.Name);
    // The same checks, limits and ranges as the skin tool, before the windows are touched.
    QStringList errors;
    for (const SkinProblem& problem : CheckSkin(opened))
        if (problem.IsError) errors << ProblemLine(problem);
    if (!errors.isEmpty()) return Failed(errors);

    // The manager finds an external skin by folder and name: "<folder>/<name>.asz" or
    // "<folder>/<name>/Options.dat".
    const QFileInfo location(opened.Location);
    QString name = location.fileName();
    TSkinKind kind = TSkinKind::Folder;
    if (opened.Kind == SkinKind::PackageFile) {
        if (!name.endsWith(QLatin1String(".asz")) || name.size() <= 4)
            return Failed(QStringLiteral("the program reads package files whose names end in \".asz\""));
        name.chop(4);
        kind = TSkinKind::PackageFile;
    } else if (!QFileInfo(location.filePath() + QStringLiteral("/Options.dat")).isFile()) {
        return Failed(QStringLiteral("the program reads the options text from a file named exactly \"Options.dat\""));
    }
    if (!LoadThroughManager(location.absolutePath(), name, kind, errors)) return Failed(errors);
    return Succeeded();
}

bool TSkinSwitcher::LoadThroughManager(const QString& directory, const QString& name, TSkinKind kind,
                                       QStringList& errors) {
    const bool wasActive = manager_.Active();
    const QString oldDirectory = manager_.SkinDirectory();
    const QString oldName = manager_.SkinName();
    bool loaded = false;
    const QMetaObject::Connection watch =
        QObject::connect(&manager_, &TsSkinManager::OnSkinLoading, [&loaded] { loaded = true; });
    {
        CollectingDialogs dialogs;
        // Nothing reaches the windows until the load is known to be good.
        manager_.BeginUpdate();
        manager_.SetSkinDirectory(directory);
        manager_.SetSkinName(name);
        if (!wasActive) manager_.SetActive(true);
        errors = dialogs.Errors;
    }
    QObject::disconnect(watch);
    const bool packed = kind != TSkinKind::Folder;
    const bool took = loaded && errors.isEmpty() && manager_.Active() && manager_.SkinName() == name &&
                      manager_.SkinIsPacked() == packed;
    if (took) {
        manager_.EndUpdate(true, false);
        current_ = name;
        kind_ = kind;
        return true;
    }
    if (errors.isEmpty()) errors << QStringLiteral("error: the skin could not be loaded");
    // The previous look stays: its tables were kept, or there was no skin.
    manager_.SetSkinDirectory(oldDirectory);
    if (wasActive) {
        if (manager_.SkinName() != oldName) manager_.SetSkinName(oldName);
        manager_.EndUpdate(true, false);
    } else {
        manager_.SetActive(false);
        manager_.EndUpdate(false, false);
    }
    return false;
}

}  // namespace tornivex
