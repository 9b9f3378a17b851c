#!/usr/bin/env bash
# Installs what is needed, builds, and starts bmk540.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
exec build/bin/bmk540
