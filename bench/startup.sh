#!/usr/bin/env bash
# Start-up to the shown window, bmk540's main window against a minimal Qt dialog, in one run:
# mean wall time over N starts and the largest peak resident set size of each.
set -euo pipefail
bin=${1:-build/bin/bench_startup}
n=${2:-20}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
stats=$(mktemp)
trap 'rm -f "$stats"' EXIT
measure() {
  local mode=$1 total=0 peak=0
  for _ in $(seq "$n"); do
    local out
    /usr/bin/time -o "$stats" -f '%e %M' "$bin" "$mode" >/dev/null 2>&1
    out=$(tail -1 "$stats")
    total=$(awk -v a="$total" -v b="${out% *}" 'BEGIN{print a+b}')
    [ "${out#* }" -gt "$peak" ] && peak=${out#* }
  done
  printf '%-8s mean %.3f s  peak %d KiB\n' "$mode" "$(awk -v a="$total" -v n="$n" 'BEGIN{print a/n}')" "$peak"
}
measure minimal
measure panel
