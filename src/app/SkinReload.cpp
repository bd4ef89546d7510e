#include "SkinReload.h"

#include <QDir>

namespace tornivex {

TSkinReload::TSkinReload(std::function<void()> reload, QObject* parent)
    : QObject(parent), reload_(std::move(reload)) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(QuietMilliseconds);
    connect(&quiet_, &QTimer::timeout, this, &TSkinReload::QuietAgain);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &TSkinReload::Changed);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &TSkinReload::Changed);
}

void TSkinReload::Watch(const QString& folder) {
    quiet_.stop();
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    folder_ = folder;
    if (folder_.isEmpty()) return;
    watcher_.addPath(folder_);
    WatchFiles();
}

void TSkinReload::Changed() {
    // Every change starts the quiet time again: one reload per burst.
    quiet_.start();
}

void TSkinReload::QuietAgain() {
    // A file written by "save to a new file, rename over the old" is a new file: watch it again.
    WatchFiles();
    reload_();
}

void TSkinReload::WatchFiles() {
    const QDir dir(folder_);
    QStringList files;
    for (const QString& name : dir.entryList(QDir::Files)) files << dir.filePath(name);
    const QStringList watched = watcher_.files();
    QStringList fresh;
    for (const QString& file : files)
        if (!watched.contains(file)) fresh << file;
    if (!fresh.isEmpty()) watcher_.addPaths(fresh);
}

}  // namespace tornivex
