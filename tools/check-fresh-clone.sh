#!/usr/bin/env bash
# What a new user does, checked end to end: clone, run the README's run command on a virtual
# X server (it builds and starts bmk540 against the demo spooler), send the factory settings
# with Ctrl+W and find exactly their 190 bytes at the printer; then install with
# `cmake --install` into a temporary prefix and do the same with the installed program.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
. "$repo/tools/x11-session.sh"

if [ -z "${BMK_IN_XVFB:-}" ]; then
  install_x11_tools
  exec env BMK_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d /tmp/bmk540-fresh-XXXXXX)
chmod 755 "$work"
program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

git clone -q "$repo" "$work/bmk540"
cd "$work/bmk540"
# The settings image is the last 190 bytes of a factory settings file.
tail -c 190 settings/fuzz/seeds/factory.dat >"$work/factory.bin"
# Whatever queues this machine's scheduler has, the check runs against the demo spooler.
export CUPS_SERVER=$work/no-scheduler.sock

# send_factory_settings NAME COMMAND...: starts the program through the command, sends, checks
# the captured job and closes the program again.
send_factory_settings() {
  local name=$1 captures=$work/captures-$1 window box status
  shift
  mkdir -p "$captures"
  BMK_CAPTURE_DIR=$captures "$@" >"$work/$name.log" 2>&1 &
  program=$!
  # The first start builds the program from the clone.
  window=$(wait_for_window "ORV Quillstrike" 3600) || { tail -20 "$work/$name.log" >&2; fail "$name: no window"; }
  sleep 1
  xdotool key --window "$window" ctrl+w || fail "$name: cannot type into the window"
  wait_for_window "^Brindlemark$" 60 >/dev/null || fail "$name: no message after sending"
  # The message box holds the keyboard: its key goes through the server's input.
  sleep 0.5
  xdotool key Return || fail "$name: cannot answer the message"
  wait_for_file "$captures/job-1.bin" 60 || fail "$name: nothing reached the printer"
  cmp "$captures/job-1.bin" "$work/factory.bin" || fail "$name: the printer received other bytes"
  [ ! -e "$captures/job-2.bin" ] || fail "$name: more than one job"
  # Sent and never changed: the exit asks nothing.
  close_main_window "$window" || fail "$name: cannot reach the exit command"
  wait_for_exit "$program" 60 || fail "$name: the program did not close"
  status=0
  wait "$program" || status=$?
  program=""
  [ "$status" -eq 0 ] || fail "$name: ended with status $status"
  echo "ok: $name sent the factory settings, 190 bytes as expected"
}

send_factory_settings run-command tools/run.sh

cmake --install build --prefix "$work/prefix" >/dev/null
for f in bin/bmk540 bin/bmk540.chm share/applications/bmk540.desktop share/bmk540/ppd/bmk540.ppd \
         share/icons/hicolor/48x48/apps/bmk540.png; do
  [ -e "$work/prefix/$f" ] || fail "not installed: $f"
done
send_factory_settings installed tools/demo-spooler.sh "$work/prefix/bin/bmk540-capture" \
  "$work/prefix/share/bmk540/ppd/bmk540.ppd" "$work/prefix/bin/bmk540"

echo PASS
