#pragma once
// The user's side of skins in the program: the start-up choice (--skin and --no-skin for one
// run, else the remembered one), the "Skin" submenu of the window menu, and live reload of a
// skin folder. A skin that fails leaves the look on screen as it was and says why: one line on
// stderr at start-up, a small non-modal message (also for a --skin that fails at start), which
// goes away with the next good load.
#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <optional>

#include "SkinReload.h"
#include "SkinSwitcher.h"

class QMenu;
class QMessageBox;

namespace tornivex {

class TForm1;

// A skin the menu offers.
struct TSkinMenuEntry {
    QString Label;
    QString Spec;  // what TSkinSwitcher::Choose takes
};

class TSkinControl : public QObject {
    Q_OBJECT
public:
    // `settings` keep the remembered choice; `skinFolder` is the user's skin folder.
    TSkinControl(TForm1& mainWindow, QSettings& settings, QString skinFolder);

    // Start-up: `skin` or `noSkin` for this run only, else the remembered choice. A failure
    // keeps the default skin and answers the line for stderr (empty when all went well); a
    // failed `skin` is shown in the window's message too.
    QString Start(const std::optional<QString>& skin, bool noSkin, bool watch);

    // A choice of the window menu: applied at once; remembered when it took.
    bool ChooseFromMenu(const QString& spec);
    // Adds the "Skin" submenu to a window menu.
    void AddSkinMenu(QMenu& menu);
    // The skins of the menu: the internal ones, then those in the user's skin folder.
    QList<TSkinMenuEntry> MenuEntries() const;

    // Live reload of the skin folder on screen; off for any other skin.
    void SetReloadOnChange(bool on);
    bool ReloadOnChange() const { return reload_.Watching(); }
    // The live reload's step: load the folder again, report the time on stderr.
    void ReloadNow();
    int Reloads() const { return reloads_; }

    TSkinSwitcher& Switcher() { return switcher_; }
    // The message about the last failed load while it is shown, else null.
    QMessageBox* FailureNotice() const;

private:
    void ShowFailure(const QString& spec, const QStringList& errors);
    void HideFailure();
    void OpenSkinFile();

    TForm1& mainWindow_;
    QSettings& settings_;
    QString skinFolder_;
    TSkinSwitcher switcher_;
    TSkinReload reload_;
    QPointer<QMessageBox> notice_;
    int reloads_ = 0;
};

// The first line of a failure as the command line shows it: the skin, the first error, and how
// many more `tornivex-skin check` lists.
QString FailureLine(const QString& spec, const QStringList& errors);

}  // namespace tornivex
