// Image plugins and timers want an application object: one for the whole test program. Only the
// programs without a GUI application of their own link this (whichever of two environments ran
// first would make the other's application a second one on the first one's event dispatcher).
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class CoreApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "skin_data_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QCoreApplication>(argc, argv);
    }
    // Before exit handlers run: Qt's own globals are gone by then.
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QCoreApplication> app_;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);  // gtest takes ownership

}  // namespace
