#include "TestApplication.h"

#include <QStyleFactory>

#include "Fonts.h"

namespace tornivex::testing {

TestApplicationEnvironment::TestApplicationEnvironment(std::function<void()> afterStart)
    : afterStart_(std::move(afterStart)) {}

void TestApplicationEnvironment::SetUp() {
    // A second application object would run on the first one's event dispatcher, which is not
    // the platform's: no window would ever be exposed. Environments run in the order their files'
    // static objects are made, which differs between linkers. (A fatal failure here runs no test.)
    if (QCoreApplication::instance() != nullptr) FAIL() << "an application object exists before the test application";
    static int argc = 1;
    static char name[] = "tornivex-tests";
    static char* argv[] = {name, nullptr};
    platform::PrepareFonts();
    app_ = std::make_unique<platform::TApplication>(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    platform::RegisterInterfaceFont();
    app_->SetTitle(QStringLiteral("Tornivex"));
    if (afterStart_) afterStart_();
}

void TestApplicationEnvironment::TearDown() { app_.reset(); }

}  // namespace tornivex::testing
