#!/usr/bin/env bash
# A bounded fuzz run of the settings-file loader: it must never crash or misjudge a file.
set -euo pipefail
cd "$(dirname "$0")/../.."
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBMK_FUZZ=ON -DBMK_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 --target fuzz_load_settings
mkdir -p build-fuzz/corpus
# New inputs go to the scratch corpus; the factory file seeds it. A crash leaves its input in build-fuzz/.
./build-fuzz/bin/fuzz_load_settings -max_total_time="${BMK_FUZZ_SECONDS:-60}" -max_len=400 \
  -artifact_prefix=build-fuzz/ build-fuzz/corpus settings/fuzz/seeds
