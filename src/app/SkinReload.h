#pragma once
// Live reload for skin authors: watches a skin folder and asks for a reload once a burst of
// changes is over (an editor's save writes, renames and touches files several times).
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

namespace tornivex {

class TSkinReload : public QObject {
    Q_OBJECT
public:
    // `reload` runs once per burst of changes, on the GUI thread.
    TSkinReload(std::function<void()> reload, QObject* parent = nullptr);

    // Watches `folder` and every file in it; an empty folder stops watching.
    void Watch(const QString& folder);
    const QString& Folder() const { return folder_; }
    bool Watching() const { return !folder_.isEmpty(); }

    // A burst ends when the folder has been quiet this long.
    static constexpr int QuietMilliseconds = 150;

private:
    void Changed();
    void QuietAgain();
    void WatchFiles();

    std::function<void()> reload_;
    QString folder_;
    QFileSystemWatcher watcher_;
    QTimer quiet_;
};

}  // namespace tornivex
