#!/usr/bin/env bash
# Installs what is needed, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh "$@"
build="${BMK_BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE="${BMK_BUILD_TYPE:-RelWithDebInfo}" ${BMK_CMAKE_ARGS:-}
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2
