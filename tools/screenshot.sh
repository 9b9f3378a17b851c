#!/usr/bin/env bash
# Takes the pictures in docs/ on a virtual X server, against the demo spooler: the main window and
# the format settings dialog at 1x (screenshot.png, format-dialog.png) and at QT_SCALE_FACTOR=2
# (screenshot-2x.png, format-dialog-2x.png), and the help window that Help -> Contents (F1) opens
# on the built bmk540.chm (help-window.png). BMK_BUILD_DIR chooses the build directory (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/x11-session.sh
build="${BMK_BUILD_DIR:-build}"

if [ -z "${BMK_IN_XVFB:-}" ]; then
  install_x11_tools
  tools/install-deps.sh
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j2 --target bmk540 bmk540-capture bmk_help_file
  exec env BMK_IN_XVFB=1 xvfb-run -a -s "-screen 0 2048x1536x24" "$0" "$@"
fi

# Without metadata, an unchanged window gives the same bytes again.
shoot() {
  xwd -id "$1" -silent | convert_image xwd:- -strip -define png:exclude-chunks=date,time "docs/$2"
  echo "wrote docs/$2"
}

# One run of the program at a scale: the main window, the format dialog and, at 1x, the help window.
pictures() {
  local scale=$1 suffix=$2 dir log spooler window dialog help
  dir=$(mktemp -d)
  log=$dir/spooler.log
  # bmk540 runs once per user: a private temporary directory keeps a copy already open elsewhere
  # from taking this start over.
  mkdir "$dir/tmp"
  BMK_CAPTURE_DIR=$dir TMPDIR=$dir/tmp QT_SCALE_FACTOR=$scale \
    tools/demo-spooler.sh "$build/bin/bmk540-capture" res/ppd/bmk540.ppd "$build/bin/bmk540" >"$log" 2>&1 &
  spooler=$!
  # On any failure, the program and the spooler go too.
  trap "stop_tree $spooler; rm -rf '$dir'" EXIT

  window=$(wait_for_window "ORV Quillstrike" 60) || { cat "$log" >&2; exit 1; }
  wait_for_paint "$window" 30 || exit 1
  mkdir -p docs
  shoot "$window" "screenshot$suffix.png"

  # The function select page's button opens the format dialog.
  xdotool windowfocus --sync "$window"
  xdotool key ctrl+k alt+d
  dialog=$(wait_for_window "書式の設定" 30) || { cat "$log" >&2; exit 1; }
  wait_for_paint "$dialog" 30 || exit 1
  shoot "$dialog" "format-dialog$suffix.png"
  xdotool windowfocus --sync "$dialog" key Escape

  if [ -z "$suffix" ]; then
    xdotool windowfocus --sync "$window"
    xdotool key F1
    # The window is titled with the help file's own title.
    help=$(wait_for_window "ヘルプ" 30) || { cat "$log" >&2; exit 1; }
    wait_for_paint "$help" 30 || exit 1
    shoot "$help" help-window.png
  fi

  # The help window goes with the program.
  close_and_decline "$window" 30 "$spooler" || { echo "bmk540 did not close" >&2; exit 1; }
  stop_tree "$spooler"
  rm -rf "$dir"
  trap - EXIT
}

export BMK_CAPTURE_DIR
pictures 1 ""
pictures 2 "-2x"
