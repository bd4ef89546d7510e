#include "SkinControl.h"

#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

#include "MenuName.h"
#include "RememberedSkin.h"
#include "ResultCopy.h"
#include "Unit1.h"
#include "sSkinManager.h"
#include "sSkinProvider.h"

namespace tornivex {
namespace {

// The message shows this many error lines; the check lists them all.
constexpr int kShownErrors = 3;

QString MenuText(const QString& label) { return QString(label).replace(u'&', QStringLiteral("&&")); }

void PrintLine(const QString& line) { std::fprintf(stderr, "%s\n", qUtf8Printable(line)); }

QString LoadedLine(const QString& folder, double milliseconds) {
    return QStringLiteral("tornivex: skin \"%1\" loaded in %2 ms").arg(folder).arg(milliseconds, 0, 'f', 1);
}

}  // namespace

QString FailureLine(const QString& spec, const QStringList& errors) {
    QString line = QStringLiteral("tornivex: cannot use the skin \"%1\": %2")
                       .arg(spec, errors.isEmpty() ? QStringLiteral("error") : errors.front());
    if (errors.size() > 1)
        line += QStringLiteral(" (and %1 more; tornivex-skin check lists them)").arg(errors.size() - 1);
    return line + QStringLiteral("; starting with the default skin");
}

TSkinControl::TSkinControl(TForm1& mainWindow, QSettings& settings, QString skinFolder)
    : QObject(&mainWindow), mainWindow_(mainWindow), settings_(settings), skinFolder_(std::move(skinFolder)),
      switcher_(*mainWindow.sSkinManager1), reload_([this] { ReloadNow(); }, this) {
    // The title strip's menu while a skin draws the frame, the window's menu always: with no skin
    // the desktop's title menu cannot carry the submenu.
    mainWindow.sSkinProvider1->OnSystemMenu = [this](QMenu& menu) { AddSkinMenu(menu); };
    mainWindow.ResultCopy()->OnWindowMenu = [this](QMenu& menu) { AddSkinMenu(menu); };
}

QString TSkinControl::Start(const std::optional<QString>& skin, bool noSkin, bool watch) {
    std::optional<QString> spec = noSkin ? std::optional<QString>(QString()) : skin;
    if (!spec) spec = RememberedSkin(settings_);
    if (!spec) return {};
    QString failure;
    const TSkinLoadOutcome outcome = switcher_.Choose(*spec);
    if (!outcome.Ok) {
        failure = FailureLine(*spec, outcome.Errors);
        // A skin asked for by name, as the desktop's "Open with" does, is also answered in the
        // window, once it is up: started from the desktop there is no terminal for the line.
        if (skin && !noSkin)
            QTimer::singleShot(0, this, [this, shown = *spec, errors = outcome.Errors] { ShowFailure(shown, errors); });
    }
    if (watch) {
        // A broken folder is watched too: the author's next save may mend it.
        if (QFileInfo(*spec).isDir()) reload_.Watch(QDir::cleanPath(QFileInfo(*spec).absoluteFilePath()));
        if (outcome.Ok && reload_.Watching())
            PrintLine(LoadedLine(reload_.Folder(), outcome.Milliseconds));
        else if (failure.isEmpty())
            failure = QStringLiteral("tornivex: --watch: \"%1\" is not a skin folder; not watching").arg(*spec);
    }
    return failure;
}

bool TSkinControl::ChooseFromMenu(const QString& spec) {
    const TSkinLoadOutcome outcome = switcher_.Choose(spec);
    if (!outcome.Ok) {
        ShowFailure(spec, outcome.Errors);
        return false;
    }
    HideFailure();
    RememberSkin(settings_, switcher_.Current());
    if (reload_.Folder() != switcher_.Current()) reload_.Watch({});
    return true;
}

QList<TSkinMenuEntry> TSkinControl::MenuEntries() const {
    QList<TSkinMenuEntry> entries;
    const TsStoredSkins& internal = mainWindow_.sSkinManager1->InternalSkins();
    for (int i = 0; i < internal.Count(); ++i) entries.append({internal[i].Name, internal[i].Name});
    // A file or folder chosen elsewhere is listed too, checked, while it is on screen.
    const TSkinKind kind = switcher_.CurrentKind();
    if (kind == TSkinKind::PackageFile || kind == TSkinKind::Folder) {
        const QFileInfo current(switcher_.Current());
        if (current.absolutePath() != QDir::cleanPath(QFileInfo(skinFolder_).absoluteFilePath()))
            entries.append({kind == TSkinKind::Folder ? current.fileName() + QStringLiteral(" (folder)")
                                                      : current.completeBaseName(),
                            switcher_.Current()});
    }
    const QDir folder(skinFolder_);
    if (skinFolder_.isEmpty() || !folder.exists()) return entries;
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        const QFileInfo info(folder.filePath(name));
        const QString path = QDir::cleanPath(info.absoluteFilePath());
        if (info.isDir() && QFileInfo(path + QStringLiteral("/Options.dat")).isFile())
            entries.append({name + QStringLiteral(" (folder)"), path});
        else if (info.isFile() && name.size() > 4 && name.endsWith(QLatin1String(".asz")))
            entries.append({name.chopped(4), path});
    }
    return entries;
}

void TSkinControl::AddSkinMenu(QMenu& menu) {
    QMenu* skins = menu.addMenu(QString());
    NameMenu(*skins, tr("&Skin"));
    skins->setObjectName(QStringLiteral("skin-menu"));
    skins->menuAction()->setObjectName(QStringLiteral("miSkin"));
    auto* group = new QActionGroup(skins);
    const bool none = switcher_.CurrentKind() == TSkinKind::None;
    // The choice is carried out once the menu has closed and given the focus back.
    const auto choose = [this](const QString& spec) {
        QTimer::singleShot(0, this, [this, spec] { ChooseFromMenu(spec); });
    };
    const QList<TSkinMenuEntry> entries = MenuEntries();
    const int internalCount = mainWindow_.sSkinManager1->InternalSkins().Count();
    for (int i = 0; i < entries.size(); ++i) {
        if (i == internalCount) skins->addSeparator();
        QAction* action = skins->addAction(MenuText(entries[i].Label));
        action->setCheckable(true);
        action->setChecked(!none && entries[i].Spec == switcher_.Current());
        action->setActionGroup(group);
        connect(action, &QAction::triggered, this, [choose, spec = entries[i].Spec] { choose(spec); });
    }
    skins->addSeparator();
    QAction* noSkin = skins->addAction(tr("&None"));
    noSkin->setObjectName(QStringLiteral("skin-none"));
    noSkin->setCheckable(true);
    noSkin->setChecked(none);
    noSkin->setActionGroup(group);
    connect(noSkin, &QAction::triggered, this, [choose] { choose(QString()); });
    QAction* open = skins->addAction(tr("&Open skin..."));
    open->setObjectName(QStringLiteral("skin-open"));
    connect(open, &QAction::triggered, this, [this] { QTimer::singleShot(0, this, [this] { OpenSkinFile(); }); });
    if (switcher_.CurrentKind() == TSkinKind::Folder) {
        QAction* watch = skins->addAction(tr("&Reload on change"));
        watch->setObjectName(QStringLiteral("skin-reload"));
        watch->setCheckable(true);
        watch->setChecked(ReloadOnChange());
        connect(watch, &QAction::toggled, this, [this](bool on) { SetReloadOnChange(on); });
    }
}

void TSkinControl::SetReloadOnChange(bool on) {
    reload_.Watch(on && switcher_.CurrentKind() == TSkinKind::Folder ? switcher_.Current() : QString());
}

void TSkinControl::ReloadNow() {
    ++reloads_;
    const QString folder = reload_.Folder();
    const TSkinLoadOutcome outcome = switcher_.Choose(folder);
    if (outcome.Ok) {
        PrintLine(LoadedLine(folder, outcome.Milliseconds));
        HideFailure();
    } else {
        PrintLine(QStringLiteral("tornivex: skin \"%1\" not loaded (%2 ms): %3")
                      .arg(folder).arg(outcome.Milliseconds, 0, 'f', 1).arg(outcome.Errors.value(0)));
        ShowFailure(folder, outcome.Errors);
    }
}

QMessageBox* TSkinControl::FailureNotice() const { return notice_ && notice_->isVisible() ? notice_.data() : nullptr; }

void TSkinControl::ShowFailure(const QString& spec, const QStringList& errors) {
    if (!notice_) {
        notice_ = new QMessageBox(QMessageBox::Warning, QStringLiteral("Tornivex"), QString(), QMessageBox::Close,
                                  &mainWindow_);
        notice_->setObjectName(QStringLiteral("skin-failure"));
        notice_->setWindowModality(Qt::NonModal);
        notice_->setAttribute(Qt::WA_DeleteOnClose);
        // The user goes on typing in the window; the message waits beside it.
        notice_->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    QStringList shown = errors.mid(0, kShownErrors);
    if (errors.size() > kShownErrors)
        shown << tr("... and %1 more (tornivex-skin check lists them all)").arg(errors.size() - kShownErrors);
    notice_->setText(tr("The skin \"%1\" was not loaded; the look stays as it was.").arg(spec));
    notice_->setInformativeText(shown.join(u'\n'));
    notice_->show();
}

void TSkinControl::HideFailure() {
    if (notice_) notice_->close();
}

void TSkinControl::OpenSkinFile() {
    const QString file = QFileDialog::getOpenFileName(
        &mainWindow_, tr("Open skin"), skinFolder_,
        tr("Skin packages and skin folders' Options.dat (*.asz Options.dat);;All files (*)"));
    if (file.isEmpty()) return;
    // A folder is chosen by its options file.
    const QFileInfo info(file);
    ChooseFromMenu(info.fileName() == QLatin1String("Options.dat") ? info.absolutePath() : file);
}

}  // namespace tornivex
