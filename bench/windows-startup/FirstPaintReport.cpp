#include "FirstPaintReport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include <windows.h>
#include <psapi.h>

namespace tornivex::bench {
namespace {

double Milliseconds(const FILETIME& t) {
    return double((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;  // 100 ns units
}

void PrintFigures(const QElapsedTimer& sinceMain) {
    const double wall = double(sinceMain.nsecsElapsed()) / 1e6;
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("%.3f %.3f %zu\n", wall, Milliseconds(user) + Milliseconds(kernel),
                size_t(memory.PeakWorkingSetSize / 1024));
    std::fflush(stdout);
}

class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& sinceMain) : sinceMain_(sinceMain) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            // Queued behind the paint: the backing store has been flushed to the window by then.
            QTimer::singleShot(0, qApp, [this] {
                PrintFigures(sinceMain_);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    const QElapsedTimer& sinceMain_;
    bool done_ = false;
};

}  // namespace

void ReportAfterFirstPaint(QWidget& window, const QElapsedTimer& sinceMain) {
    window.installEventFilter(new FirstPaint(sinceMain));  // lives until the process ends
}

}  // namespace tornivex::bench
