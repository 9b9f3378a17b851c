#!/bin/sh
# Compiles the Windows-only platform sources with the MinGW cross compiler, so the
# winspool code cannot rot on a Linux-only CI. Fails on any error or warning.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
cxx=x86_64-w64-mingw32-g++

if ! command -v "$cxx" >/dev/null 2>&1; then
    apt-get update
    apt-get install -y g++-mingw-w64-x86-64
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# The Windows sources plus the Qt-free platform code they are used with.
for source in "$root"/platform/win/*.cpp "$root"/platform/PrinterSystem.cpp \
    "$root"/platform/ModelPrinter.cpp; do
    echo "compiling ${source#"$root"/}"
    "$cxx" -std=c++20 -Wall -Wextra -Werror -I"$root" -c "$source" -o "$out/$(basename "$source" .cpp).o"
done

# Linking proves that every spooler call the code makes exists in winspool.
"$cxx" -shared -o "$out/check.dll" "$out"/*.o -lwinspool
echo "MinGW check passed"
