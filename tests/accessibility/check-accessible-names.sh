#!/usr/bin/env bash
# Starts bmk540 with Qt's AT-SPI bridge on, as for a screen reader, and has accessible_names.py
# read its windows: on a virtual X server, with a session bus of its own (the accessibility bus
# and registry start on it as on a desktop), against a demo spooler with two printers so that
# the printer selection opens at start.
#
# usage: tests/accessibility/check-accessible-names.sh BMK540 BMK540-CAPTURE PPD [--list]
# BMK_TEST_DISPLAY=N runs the X server as display :N instead of the first free one. Needs xvfb,
# xdotool, dbus, at-spi2-core and python3-pyatspi, which tools/install-deps.sh installs.
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 BMK540 BMK540-CAPTURE PPD [--list]" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
bmk540=$(realpath "$1")
capture=$(realpath "$2")
ppd=$(realpath "$3")
shift 3

case "${BMK_A11Y_STAGE:-}" in
  "")
    # xvfb-run and dbus-run-session stop their server and bus however the check ends.
    display=(-a)
    if [ -n "${BMK_TEST_DISPLAY:-}" ]; then
      display=(-n "$BMK_TEST_DISPLAY")
      # The server of a check just ended may still be going.
      for _ in $(seq 50); do
        [ -e "/tmp/.X$BMK_TEST_DISPLAY-lock" ] || break
        sleep 0.2
      done
    fi
    exec env BMK_A11Y_STAGE=bus xvfb-run "${display[@]}" -s "-screen 0 1280x1024x24" \
      dbus-run-session -- "$0" "$bmk540" "$capture" "$ppd" "$@"
    ;;
  bus)
    exec env BMK_A11Y_STAGE=spooler BMK_DEMO_SECOND_QUEUE=1 "$repo/tools/demo-spooler.sh" "$capture" "$ppd" \
      "$0" "$bmk540" "$capture" "$ppd" "$@" 2> >(grep -v "Printer drivers are deprecated" >&2)
    ;;
esac

. "$repo/tools/x11-session.sh"
dir=$(mktemp -d)
chmod 700 "$dir"
# The real platform, not the tests' offscreen one; a runtime directory of its own for the
# single-instance lock.
env -u QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR="$dir" TMPDIR="$dir" \
  "$bmk540" >"$dir/bmk540.log" 2>&1 &
program=$!
trap 'stop_tree $program; rm -rf "$dir"' EXIT
status=0
/usr/bin/python3 "$here/accessible_names.py" "$@" || status=$?
if ! kill -0 "$program" 2>/dev/null; then
  echo "bmk540 ended during the check:" >&2
  cat "$dir/bmk540.log" >&2
  status=1
fi
exit $status
