#!/bin/sh
# Rewrites the golden pictures of the skin painting tests from the current build. Run it only
# after a deliberate change of the skins' art or of the painting, and look at the pictures
# before committing them.
#   tests/skin/paint/golden/refresh.sh [BUILD_DIR]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../../.." && pwd)
build=${1:-$root/build}
binary=$(find "$build" -type f -name skin_paint_tests -perm -u+x | head -n 1)
[ -n "$binary" ] || { echo "skin_paint_tests not found under $build; build it first" >&2; exit 1; }
cd "$root/tests"
TORNIVEX_UPDATE_GOLDEN=1 TORNIVEX_SOURCE_DIR="$root" QT_QPA_PLATFORM=offscreen \
    "$binary" --gtest_filter='GoldenSections.*'
echo "golden pictures written to $here"
