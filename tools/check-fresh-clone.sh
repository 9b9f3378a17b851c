#!/usr/bin/env bash
# What a new user does, checked end to end: clone, run the README's run command on a virtual
# X server (it builds and starts bmk540 against the demo spooler), send the factory settings
# with Ctrl+W and find exactly their 190 bytes at the printer; then install with
# `cmake --install` into a temporary prefix and do the same with the installed program.
# Prints PASS or FAIL; leaves nothing running and no files behind.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
. "$repo/tools/x11-session.sh"

if [ -z "${BMK_IN_XVFB:-}" ]; then
  install_x11_tools
  # xvfb-run stops its X server however the check ends.
  exec env BMK_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

started=$SECONDS
work=$(mktemp -d /tmp/bmk540-fresh-XXXXXX)
chmod 755 "$work"
program=""
cleanup() {
  # The run command may still be building, or bmk540 and the demo spooler still running.
  [ -z "$program" ] || stop_tree "$program"
  cd /
  rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: interrupted" >&2; exit 1' INT TERM
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

git clone -q "$repo" "$work/bmk540"
cd "$work/bmk540"
echo "cloned $(git rev-parse --short HEAD) into $work/bmk540"
# A settings file is a 24-byte header and the 190-byte image the printer receives.
factory=settings/fuzz/seeds/factory.dat
[ "$(stat -c %s "$factory")" -eq 214 ] || fail "$factory is not a 214-byte settings file"
tail -c +25 "$factory" >"$work/factory.bin"
# Whatever queues this machine's scheduler has, the check runs against the demo spooler.
export CUPS_SERVER=$work/no-scheduler.sock

# send_factory_settings NAME COMMAND...: starts the program through the command, sends, checks
# the captured job and closes the program again.
send_factory_settings() {
  local name=$1 captures=$work/captures-$1 window box status
  shift
  mkdir -p "$captures" "$work/tmp-$name"
  # bmk540 runs once per user: a copy already open here would take the start over. A private
  # temporary directory keeps this one apart.
  TMPDIR=$work/tmp-$name BMK_CAPTURE_DIR=$captures "$@" >"$work/$name.log" 2>&1 &
  program=$!
  # The first start builds the program from the clone.
  # The waits run in this shell, not in a command substitution, which would hold off a signal
  # (and so the clean-up) until it ended.
  wait_for_window "ORV Quillstrike" 3600 >"$work/id" || { tail -20 "$work/$name.log" >&2; fail "$name: no window"; }
  window=$(<"$work/id")
  wait_for_paint "$window" 60 || fail "$name: the window was not drawn"
  send_and_compare "$window" "$captures" "$work/factory.bin" "$work/id" || fail "$name: sending the factory settings"
  close_and_decline "$window" 60 "$program" || fail "$name: the program did not close"
  status=0
  wait "$program" || status=$?
  program=""
  [ "$status" -eq 0 ] || fail "$name: ended with status $status"
  echo "ok: $name: the printer received the 190 bytes of the factory settings"
}

send_factory_settings run-command tools/run.sh

cmake --install build --prefix "$work/prefix" >/dev/null
for f in bin/bmk540 bin/bmk540.chm bin/bmk540-en.chm bin/bmk540-capture share/applications/bmk540.desktop \
         share/bmk540/ppd/bmk540.ppd; do
  [ -s "$work/prefix/$f" ] || fail "not installed: $f"
done
for size in 16 24 32 48 64 128 256; do
  [ -s "$work/prefix/share/icons/hicolor/${size}x${size}/apps/bmk540.png" ] || fail "no ${size}-pixel icon"
done
grep -qx "Exec=bmk540" "$work/prefix/share/applications/bmk540.desktop" || fail "launcher runs something else"
echo "ok: installed into $work/prefix"
send_factory_settings installed tools/demo-spooler.sh "$work/prefix/bin/bmk540-capture" \
  "$work/prefix/share/bmk540/ppd/bmk540.ppd" "$work/prefix/bin/bmk540"

echo "PASS ($((SECONDS - started)) s)"
