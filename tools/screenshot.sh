#!/usr/bin/env bash
# Takes the pictures in docs/ on a virtual X server, against the demo spooler: the main window and
# the format settings dialog at 1x (screenshot.png, format-dialog.png) and at QT_SCALE_FACTOR=2
# (screenshot-2x.png, format-dialog-2x.png), and the help window that Help -> Contents (F1) opens
# on the built bmk540.chm (help-window.png), all in Japanese; and the main window in English at 1x
# and 2x (screenshot-en.png, screenshot-en-2x.png). BMK_BUILD_DIR chooses the build directory
# (default: build).
#
# tools/screenshot.sh --every DIR takes, in the language of LANG and at 1x and 2x under openbox,
# every window to look at into DIR instead: the printer selection, each page, the format dialog
# without and with margins, the about dialog, the factory settings question, the discard changes
# question, a range message and the help window. BMK_XVFB_DISPLAY=N uses display :N.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/x11-session.sh
build="${BMK_BUILD_DIR:-build}"

if [ -z "${BMK_IN_XVFB:-}" ]; then
  install_x11_tools
  tools/install-deps.sh
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j2 --target bmk540 bmk540-capture bmk_help_file
  display=(-a)
  [ -n "${BMK_XVFB_DISPLAY:-}" ] && display=(-n "$BMK_XVFB_DISPLAY")
  exec env BMK_IN_XVFB=1 xvfb-run "${display[@]}" -s "-screen 0 2048x1536x24" "$0" "$@"
fi

# Without metadata, an unchanged window gives the same bytes again.
shoot() {
  xwd -id "$1" -silent | convert_image xwd:- -strip -define png:exclude-chunks=date,time "docs/$2"
  echo "wrote docs/$2"
}

# One run of the program at a scale, in Japanese: the main window, the format dialog and, at 1x,
# the help window; in English (a third argument): the main window alone.
pictures() {
  local scale=$1 suffix=$2 english=${3:-} lang dir log spooler window dialog help
  dir=$(mktemp -d)
  log=$dir/spooler.log
  # bmk540 runs once per user: a private temporary directory keeps a copy already open elsewhere
  # from taking this start over.
  mkdir "$dir/tmp"
  # The language is the locale's: Japanese for C, whatever the caller's own.
  lang=C.UTF-8
  [ -n "$english" ] && lang=en_US.UTF-8
  env -u LC_ALL -u LC_MESSAGES -u LANGUAGE BMK_CAPTURE_DIR="$dir" TMPDIR="$dir/tmp" QT_SCALE_FACTOR="$scale" \
    LANG=$lang tools/demo-spooler.sh "$build/bin/bmk540-capture" res/ppd/bmk540.ppd "$build/bin/bmk540" >"$log" 2>&1 &
  spooler=$!
  # On any failure, the program and the spooler go too.
  trap "stop_tree $spooler; rm -rf '$dir'" EXIT

  window=$(wait_for_window "ORV Quillstrike" 60) || { cat "$log" >&2; exit 1; }
  wait_for_paint "$window" 30 || exit 1
  mkdir -p docs
  shoot "$window" "screenshot$suffix.png"

  # The function select page's button opens the format dialog.
  if [ -z "$english" ]; then
    xdotool windowfocus --sync "$window"
    xdotool key ctrl+k alt+d
    dialog=$(wait_for_window "書式の設定" 30) || { cat "$log" >&2; exit 1; }
    wait_for_paint "$dialog" 30 || exit 1
    shoot "$dialog" "format-dialog$suffix.png"
    xdotool windowfocus --sync "$dialog" key Escape
  fi

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

# The mnemonics the walk through every window types; only the format button's differs in English.
format_list=alt+s format_button=alt+d help_menu=alt+h about=a cut_sheet=alt+c
case "${LANG:-C}" in
  ja* | C | C.* | POSIX | "") ;;
  *) format_button=alt+t ;;
esac

# Prints the first visible window of bmk540 that is none of the given ones, waiting up to 30 s.
wait_for_other_window() {
  local deadline=$((SECONDS + 30)) id
  while [ "$SECONDS" -lt "$deadline" ]; do
    for id in $(xdotool search --onlyvisible --class bmk540 2>/dev/null || true); do
      if ! printf '%s\n' "$@" | grep -qx "$id"; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.2
  done
  echo "no new window of bmk540 appeared within 30 s" >&2
  return 1
}

# Shoots the window that the keys open over $1 as $2, then closes it with $3.
shoot_opened() {
  local main=$1 name=$2 close=$3 other
  shift 3
  xdotool windowfocus --sync "$main"
  xdotool key "$@"
  other=$(wait_for_other_window "$main") || exit 1
  wait_for_paint "$other" 30 || exit 1
  shoot_to "$other" "$name"
  xdotool windowfocus --sync "$other" key "$close"
  while xdotool search --onlyvisible --class bmk540 2>/dev/null | grep -qx "$other"; do sleep 0.2; done
}

shoot_to() {
  xwd -id "$1" -silent | convert_image xwd:- -strip "$every/$2.png"
  echo "wrote $every/$2.png"
}

# Every window at a scale, under openbox, against two printers so that the selection opens first.
every_window() {
  local scale=$1 suffix=$2 dir log spooler chooser window page
  dir=$(mktemp -d)
  log=$dir/spooler.log
  mkdir "$dir/tmp"
  BMK_CAPTURE_DIR=$dir BMK_DEMO_SECOND_QUEUE=1 TMPDIR=$dir/tmp QT_SCALE_FACTOR=$scale \
    tools/demo-spooler.sh "$build/bin/bmk540-capture" res/ppd/bmk540.ppd "$build/bin/bmk540" >"$log" 2>&1 &
  spooler=$!
  trap "stop_tree $spooler; rm -rf '$dir'" EXIT

  chooser=$(wait_for_other_window) || { cat "$log" >&2; exit 1; }
  wait_for_paint "$chooser" 30 || exit 1
  shoot_to "$chooser" "printer-selection$suffix"
  xdotool windowfocus --sync "$chooser" key Return
  window=$(wait_for_window "ORV Quillstrike" 60) || { cat "$log" >&2; exit 1; }
  wait_for_paint "$window" 30 || exit 1
  page=0
  for key in k p l 1 2 3 4; do
    xdotool windowfocus --sync "$window" key "ctrl+$key"
    wait_for_paint "$window" 30 || exit 1
    shoot_to "$window" "page-$page$suffix"
    page=$((page + 1))
  done

  xdotool windowfocus --sync "$window" key ctrl+k
  shoot_opened "$window" "format-0$suffix" Escape "$format_button"
  # The next format has margins too; choosing it is a change the load question then asks about.
  xdotool windowfocus --sync "$window" key "$format_list" Down
  shoot_opened "$window" "format-1$suffix" Escape "$format_button"
  shoot_opened "$window" "about$suffix" Escape "$help_menu" "$about"
  shoot_opened "$window" "discard-question$suffix" Escape ctrl+o
  shoot_opened "$window" "factory-question$suffix" Escape ctrl+i
  # A head-centring position left at one digit is out of range when the settings are sent.
  xdotool windowfocus --sync "$window" key ctrl+p "$cut_sheet" ctrl+a 5
  shoot_opened "$window" "range-message$suffix" Return ctrl+w
  if [ -z "$suffix" ]; then
    shoot_opened "$window" "help-window" alt+F4 F1
  fi

  close_and_decline "$window" 30 "$spooler" || { echo "bmk540 did not close" >&2; exit 1; }
  stop_tree "$spooler"
  rm -rf "$dir"
  trap - EXIT
}

export BMK_CAPTURE_DIR
if [ "${1:-}" = "--every" ]; then
  every=${2:?usage: $0 --every DIR}
  mkdir -p "$every"
  # openbox ends with the X server should a picture fail.
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  deadline=$((SECONDS + 30))
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    [ "$SECONDS" -lt "$deadline" ] || { echo "openbox did not start" >&2; exit 1; }
    sleep 0.2
  done
  every_window 1 ""
  every_window 2 "-2x"
  kill "$wm"
  exit 0
fi
pictures 1 ""
pictures 2 "-2x"
pictures 1 "-en" english
pictures 2 "-en-2x" english
