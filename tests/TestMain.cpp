// Entry point of every test program: the offscreen platform and the source folder are set here so
// that a test runs the same from ctest, from a shell or from a debugger.
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

void SetDefault(const char* name, const char* value) {
    if (std::getenv(name) != nullptr) return;
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 0);
#endif
}

}  // namespace

int main(int argc, char** argv) {
    SetDefault("QT_QPA_PLATFORM", "offscreen");
    SetDefault("TORNIVEX_SOURCE_DIR", TORNIVEX_SOURCE_DIR);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
