#!/bin/sh
# The translations are current and complete: lupdate run over the sources into a copy of the .ts
# must give the committed file back (a text added, changed or gone in the sources changes it), and
# no message in it may be unfinished, vanished or obsolete.
#
# usage: tools/check-translations.sh LUPDATE TS-FILE SOURCE-LIST [LUPDATE-OPTIONS...]
#   SOURCE-LIST: one source file a line, as the build writes it (build/res/translations/sources.lst)
set -eu
lupdate=$1
ts=$2
sources=$3
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy="$work/$(basename "$ts")"
cp "$ts" "$copy"
"$lupdate" -silent "$@" "@$sources" -ts "$copy"

status=0
if ! cmp -s "$ts" "$copy"; then
    echo "FAIL: $ts is not current with the sources; update it with" >&2
    echo "  cmake --build build --target update_translations" >&2
    echo "and translate what is new. What lupdate changes:" >&2
    diff -u "$ts" "$copy" | head -60 >&2
    status=1
fi
if grep -n -B3 'type="\(unfinished\|vanished\|obsolete\)"' "$ts" >&2; then
    echo "FAIL: messages above in $ts are unfinished, vanished or obsolete" >&2
    status=1
fi
[ "$status" -eq 0 ] && echo "PASS: $(grep -c '<message>' "$ts") messages, all translated"
exit "$status"
