#!/usr/bin/env bash
# Takes docs/screenshot.png, the main window, and docs/help-window.png, the help window that
# Help -> Contents (F1) opens on the built bmk540.chm: on a virtual X server, against the demo spooler.
# BMK_BUILD_DIR chooses the build directory (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/x11-session.sh
build="${BMK_BUILD_DIR:-build}"

if [ -z "${BMK_IN_XVFB:-}" ]; then
  install_x11_tools
  tools/install-deps.sh
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j2 --target bmk540 bmk540-capture bmk_help
  exec env BMK_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

export BMK_CAPTURE_DIR
BMK_CAPTURE_DIR=$(mktemp -d)
log=$BMK_CAPTURE_DIR/spooler.log
# bmk540 runs once per user: a private temporary directory keeps a copy already open elsewhere
# from taking this start over.
mkdir "$BMK_CAPTURE_DIR/tmp"
TMPDIR=$BMK_CAPTURE_DIR/tmp tools/demo-spooler.sh "$build/bin/bmk540-capture" res/ppd/bmk540.ppd "$build/bin/bmk540" >"$log" 2>&1 &
spooler=$!
# On any failure, the program and the spooler go too.
trap 'stop_tree $spooler; rm -rf "$BMK_CAPTURE_DIR"' EXIT

window=$(wait_for_window "ORV Quillstrike" 60) || { cat "$log" >&2; exit 1; }
wait_for_paint "$window" 30 || exit 1
mkdir -p docs
# Without metadata, an unchanged window gives the same bytes again.
xwd -id "$window" -silent |
  convert_image xwd:- -strip -define png:exclude-chunks=date,time docs/screenshot.png
echo "wrote docs/screenshot.png"

xdotool windowfocus --sync "$window"
xdotool key F1
# The window is titled with the help file's own title.
help=$(wait_for_window "ヘルプ" 30) || { cat "$log" >&2; exit 1; }
wait_for_paint "$help" 30 || exit 1
xwd -id "$help" -silent |
  convert_image xwd:- -strip -define png:exclude-chunks=date,time docs/help-window.png
echo "wrote docs/help-window.png"

# The help window goes with the program.

close_and_decline "$window" 30 "$spooler" || { echo "bmk540 did not close" >&2; exit 1; }
