// Entry point of every test program: the offscreen platform and the source folder are set here so
// that a test runs the same from ctest, from a shell or from a debugger.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("TORNIVEX_SOURCE_DIR", TORNIVEX_SOURCE_DIR, 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
