#!/usr/bin/env bash
# Installs what is needed, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh "$@"
build="${BMK_BUILD_DIR:-build}"
# BMK_TESTS=ON: tools/run.sh shares the build directory and caches it off.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE="${BMK_BUILD_TYPE:-RelWithDebInfo}" -DBMK_TESTS=ON ${BMK_CMAKE_ARGS:-}
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure --no-tests=error -j2
