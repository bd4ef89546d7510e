// Text drawing needs a QGuiApplication (fonts); one is created for the whole test program on the
// offscreen platform.
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

#include "Fonts.h"

namespace {

class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QGuiApplication::instance()) return;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        tornivex::platform::PrepareFonts();
        static int argc = 1;
        static char name[] = "skin_paint_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] auto* const environment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);  // gtest takes ownership

}  // namespace
