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

# Runs the exit command from the File menu. The open drop-down holds the keyboard, so its key
# goes through the server's input (XTEST) rather than to a window.
close_main_window() {
  xdotool key --window "$1" alt+f
  sleep 0.5
  xdotool key x
}

# ImageMagick's convert, not whatever else is first on the path.
convert_image() { /usr/bin/convert "$@"; }
