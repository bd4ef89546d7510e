#pragma once
// Ends a start-up measurement: after the watched window's first paint has reached the screen the
// process prints, on one line, the milliseconds since main began, its own CPU time (user +
// kernel) and its peak working set in KiB, and exits. The process reports on itself because
// under Wine the launcher, the wineserver and the desktop process are other processes whose
// costs are shared by every program and are not the program's.
class QElapsedTimer;
class QWidget;

namespace tornivex::bench {

void ReportAfterFirstPaint(QWidget& window, const QElapsedTimer& sinceMain);

}  // namespace tornivex::bench
