# Shared by the scripts that drive bmk540 on a virtual X server (sourced, not run).

# The X tools these scripts use; installed like the other dependencies.
install_x11_tools() {
  local missing=() p
  for p in xvfb xauth x11-apps xdotool imagemagick; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
  fi
}

# Prints the id of the first visible window whose title matches, waiting up to $2 seconds.
wait_for_window() {
  local title=$1 deadline=$((SECONDS + $2)) id
  while [ "$SECONDS" -lt "$deadline" ]; do
    id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  echo "no window titled '$title' appeared within $2 s" >&2
  return 1
}

# Waits up to $2 seconds for a file to exist.
wait_for_file() {
  local file=$1 deadline=$((SECONDS + $2))
  while [ "$SECONDS" -lt "$deadline" ]; do
    [ -e "$file" ] && return 0
    sleep 0.2
  done
  echo "$file did not appear within $2 s" >&2
  return 1
}

# Waits up to $2 seconds for a process to end.
wait_for_exit() {
  local pid=$1 deadline=$((SECONDS + $2))
  while [ "$SECONDS" -lt "$deadline" ]; do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.2
  done
  return 1
}

# Waits up to $2 seconds until the window shows a settled picture: more than one colour, and the
# same in two captures in a row. Keys sent earlier could reach a window Qt has not set up yet.
wait_for_paint() {
  local window=$1 deadline=$((SECONDS + $2)) previous="" current
  while [ "$SECONDS" -lt "$deadline" ]; do
    current=$(xwd -id "$window" -silent 2>/dev/null | convert_image xwd:- -format '%k %#' info: 2>/dev/null || true)
    if [ -n "$current" ] && [ "${current%% *}" -gt 1 ] && [ "$current" = "$previous" ]; then
      return 0
    fi
    previous=$current
    sleep 0.2
  done
  echo "window $window was not painted within $2 s" >&2
  return 1
}

# Prints the processes a process started, and theirs, deepest first.
descendants() {
  local child
  for child in $(pgrep -P "$1" || true); do
    descendants "$child"
    echo "$child"
  done
}

# Stops a process this script started together with everything it started (a build, the
# program, the demo spooler's cupsd), waiting up to 30 s before forcing it.
stop_tree() {
  local pid=$1 all
  kill -0 "$pid" 2>/dev/null || return 0
  all="$(descendants "$pid") $pid"
  # shellcheck disable=SC2086
  kill $all 2>/dev/null || true
  if ! wait_for_exit "$pid" 30; then
    # shellcheck disable=SC2086
    kill -KILL $all 2>/dev/null || true
  fi
}

# Runs the exit command from the File menu, typed through the server's input (XTEST) into the
# window given the focus: an open drop-down holds the keyboard, so it must get real key events.
close_main_window() {
  local window=$1 deadline=$((SECONDS + 10)) shown
  xdotool windowfocus --sync "$window"
  xdotool key alt+f
  # The drop-down is a second window of the program; X picks the item only once it is open.
  while [ "$SECONDS" -lt "$deadline" ]; do
    shown=$(xdotool search --onlyvisible --class bmk540 2>/dev/null | grep -cvx "$window" || true)
    [ "$shown" -gt 0 ] && break
    sleep 0.1
  done
  xdotool key x
}

# Presses a key in a message box and waits up to 10 s for the box to go. The box closes on the
# key press, so sending the release fails with BadWindow; whether the box went is what counts.
answer_box() {
  local box=$1 key=$2 deadline=$((SECONDS + 10))
  xdotool key --window "$box" "$key" 2>/dev/null || true
  while [ "$SECONDS" -lt "$deadline" ]; do
    xdotool search --onlyvisible --name "^Brindlemark$" 2>/dev/null | grep -qx "$box" || return 0
    sleep 0.2
  done
  echo "the message box stayed after $key" >&2
  return 1
}

# Sends the settings with Ctrl+W, answers the message that follows, and checks that the printer
# received exactly the bytes of file $3 as one job (job-1.bin in capture directory $2). $4 is a
# scratch file: the waits run in this shell, not in a command substitution, which would hold off
# a signal (and so the caller's clean-up) until it ended.
send_and_compare() {
  local window=$1 captures=$2 expected=$3 scratch=$4
  xdotool key --window "$window" ctrl+w || { echo "cannot type into the window" >&2; return 1; }
  wait_for_window "^Brindlemark$" 60 >"$scratch" || { echo "no message after sending" >&2; return 1; }
  answer_box "$(<"$scratch")" Return || { echo "cannot dismiss the message" >&2; return 1; }
  wait_for_file "$captures/job-1.bin" 60 || { echo "nothing reached the printer" >&2; return 1; }
  cmp "$captures/job-1.bin" "$expected" || { echo "the printer received other bytes" >&2; return 1; }
  [ ! -e "$captures/job-2.bin" ] || { echo "more than one job" >&2; return 1; }
}

# Closes bmk540 and waits up to $2 seconds for process $3 to end. Should it ask first (send or
# save before exiting?), the answer is No: nothing more is to reach the printer or a file.
close_and_decline() {
  local window=$1 deadline=$((SECONDS + $2)) pid=$3 box
  close_main_window "$window"
  while [ "$SECONDS" -lt "$deadline" ]; do
    kill -0 "$pid" 2>/dev/null || return 0
    box=$(xdotool search --onlyvisible --name "^Brindlemark$" 2>/dev/null | head -1 || true)
    if [ -n "$box" ]; then
      echo "bmk540 asked before exiting; answering No" >&2
      answer_box "$box" alt+n || return 1
    fi
    sleep 0.2
  done
  return 1
}

# ImageMagick's convert, not whatever else is first on the path.
convert_image() { /usr/bin/convert "$@"; }
