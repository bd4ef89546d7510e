# What a Windows build needs beyond the shared sources.

# The numbers are the x87 unit's 80-bit format; mingw's long double is that format, so the
# hardware path serves there. A Windows compiler whose long double is something else (MSVC's is
# a double) would give other digits than Linux's: refuse it rather than calculate differently.
if(WIN32)
  include(CheckCXXSourceCompiles)
  check_cxx_source_compiles([=[
    #include <cfloat>
    static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384, "not the 80-bit format");
    int main() { return 0; }]=] TORNIVEX_LONG_DOUBLE_IS_X87)
  if(NOT TORNIVEX_LONG_DOUBLE_IS_X87)
    message(FATAL_ERROR "On Windows Tornivex needs a compiler whose long double is the x87 80-bit "
                        "format (mingw-w64's GCC); this one's is not.")
  endif()
endif()

# The programs carry no symbols: a static Qt makes them some 40 MB otherwise, which also slows
# every start.
if(WIN32)
  add_link_options($<$<CONFIG:Release>:-s>)
endif()

# A static Qt links only the platform plugin of its system: programs that draw without a window
# (the tests, the skin tool, the art generator) import the offscreen one too.
function(tornivex_import_offscreen_platform target)
  get_target_property(qt_type Qt6::Core TYPE)
  if(qt_type STREQUAL "STATIC_LIBRARY")
    qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin)
  endif()
endfunction()

# Debian has no GoogleTest built for Windows; its source (libgtest-dev) builds in seconds.
function(tornivex_googletest_from_source)
  set(source /usr/src/googletest)
  if(NOT EXISTS ${source}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's source is not at ${source} (Debian libgtest-dev); "
                        "configure with -DBUILD_TESTING=OFF to build without the tests")
  endif()
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(${source} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
  endif()
endfunction()
