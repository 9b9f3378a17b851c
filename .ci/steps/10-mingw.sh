#!/usr/bin/env bash
# The Windows spooler code must keep compiling with the MinGW cross compiler.
exec "$(dirname "$0")/../check-mingw.sh"
