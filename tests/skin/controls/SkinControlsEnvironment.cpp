// One application object for the skinned-control tests, with the skin engine's widget side.
#include "TestApplication.h"
#include "sSkinManagerWidgets.h"

namespace {

[[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment(
    new tornivex::testing::TestApplicationEnvironment([] { tornivex::InstallSkinManagerWidgets(); }));

} // namespace
