#!/usr/bin/env bash
# Runs a command against a private demo spooler: its own cupsd in a temporary directory, one queue
# made from the model's PPD, and a socket device answered by bmk540-capture, which saves every job
# it receives and prints it decoded. Everything started here is stopped when the command ends.
#
# usage: tools/demo-spooler.sh CAPTURE-PROGRAM PPD COMMAND [ARGS...]
# The capture files land in $BMK_CAPTURE_DIR (default: a directory printed at start).
# BMK_DEMO_SECOND_QUEUE=1 adds a second queue of the model, whose device nothing answers, so that
# bmk540 opens its printer selection at start.
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 CAPTURE-PROGRAM PPD COMMAND [ARGS...]" >&2; exit 2; }
capture=$1; ppd=$2; shift 2

# Started by root, the backends run as lp and need to reach the spool; started by a user,
# everything runs as that user and the directory is the user's alone. cupsd opens its
# ServerRoot to 0755, so that is a subdirectory.
dir=$(mktemp -d /tmp/bmk540-demo-XXXXXX)
if [ "$(id -u)" -eq 0 ]; then chmod 755 "$dir"; else chmod 700 "$dir"; fi
mkdir -p "$dir"/{spool/tmp,cache,state,log,conf/ppd}
capture_dir=${BMK_CAPTURE_DIR:-$dir/captured}
mkdir -p "$capture_dir"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$dir"
}
trap cleanup EXIT INT TERM

cat > "$dir/cupsd.conf" <<CONF
LogLevel warn
Listen $dir/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$dir/cups-files.conf" <<CONF
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
CONF
if [ "$(id -u)" -ne 0 ]; then
  printf 'User %s\nGroup %s\nSystemGroup %s\n' "$(id -un)" "$(id -gn)" "$(id -gn)" >> "$dir/cups-files.conf"
fi

# A free port for the capturing printer.
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])' 2>/dev/null \
       || shuf -i 20000-60000 -n 1)
"$capture" "$port" "$capture_dir" &
pids+=($!)

/usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
pids+=($!)
export CUPS_SERVER="$dir/cups.sock"
for _ in $(seq 100); do
  lpstat -r >/dev/null 2>&1 && break
  sleep 0.1
done
lpstat -r >/dev/null 2>&1 || { echo "demo spooler did not start; see $dir/log/error_log" >&2; exit 1; }
lpadmin -p Quillstrike-Demo -E -v "socket://127.0.0.1:$port" -P "$ppd"
echo "demo spooler: queue Quillstrike-Demo -> bmk540-capture on port $port; jobs saved in $capture_dir"
if [ -n "${BMK_DEMO_SECOND_QUEUE:-}" ]; then
  lpadmin -p Quillstrike-Second -E -v "socket://127.0.0.1:9" -P "$ppd"
  echo "demo spooler: queue Quillstrike-Second, which receives nothing"
fi

set +e
"$@"
status=$?
set -e
exit $status
