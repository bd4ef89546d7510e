#pragma once
// The application object of a GUI test program: one for the whole run, on the offscreen platform
// with the Fusion style, Tahoma registered and the title "Tornivex". It is destroyed by gtest
// before the program's exit handlers run: Qt's thread storage is gone by then, and an application
// destroyed there crashes.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "TApplication.h"

namespace tornivex::testing {

class TestApplicationEnvironment : public ::testing::Environment {
public:
    // afterStart runs once the application exists (e.g. to install the skin engine's widget side).
    explicit TestApplicationEnvironment(std::function<void()> afterStart = {});
    void SetUp() override;
    void TearDown() override;

private:
    std::function<void()> afterStart_;
    std::unique_ptr<platform::TApplication> app_;
};

}  // namespace tornivex::testing
