#pragma once
// One filter object per application object: tests make and end several in one process, and a
// program asks more than once. The application owns the object (its constructor takes it).
#include <QCoreApplication>
#include <QVariant>

namespace tornivex::platform {

template <typename Filter>
void InstallOncePerApplication(const char* mark) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || app->property(mark).toBool()) return;
    app->setProperty(mark, true);
    new Filter(app);
}

}  // namespace tornivex::platform
