#include "TestApplication.h"

#include <QStyleFactory>

#include "Fonts.h"

namespace tornivex::testing {

TestApplicationEnvironment::TestApplicationEnvironment(std::function<void()> afterStart)
    : afterStart_(std::move(afterStart)) {}

void TestApplicationEnvironment::SetUp() {
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
