#!/usr/bin/env bash
# The Debian package, checked end to end as a user gets it: build it with dpkg-buildpackage from
# a copy of the repository, check it with lintian, install it with `apt-get install ./bmk540_*.deb`,
# check the installed launcher and AppStream entry with their validators and that CUPS lists the
# model, run the installed /usr/bin/bmk540 on a virtual X server against the demo spooler (the
# installed demo printer and PPD), send the factory settings with Ctrl+W and find exactly their
# 190 bytes at the printer, open the help with F1 (the help file is found beside the program
# through the link /usr/bin/bmk540); then remove the package with --purge and check that none of its
# files is left.
#
# usage: tools/check-package.sh [--worktree]
#   without it, the last commit (HEAD) is built; with it, the working tree as it is (tracked and
#   new files that git does not ignore).
#
# Needs root (through sudo otherwise): it installs and removes packages, and starts the system's
# CUPS scheduler for `lpinfo -m` when it is not running (and stops it again). It installs what it
# needs to build and check (debhelper, lintian, the validators, strace, the X tools) and leaves
# those installed, like tools/install-deps.sh. Refuses to run when bmk540 is installed already.
# Prints PASS or FAIL; takes about 12 minutes on two cores, 11 of them the package's build.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
. "$repo/tools/x11-session.sh"

source_tree="head"
case "${1:-}" in
  "") ;;
  --worktree) source_tree=worktree ;;
  *) echo "usage: $0 [--worktree]" >&2; exit 2 ;;
esac

if [ "$(id -u)" -ne 0 ]; then
  exec sudo "$0" "$@"
fi

if [ -z "${BMK_IN_XVFB:-}" ]; then
  if dpkg-query -W -f='${Status}' bmk540 2>/dev/null | grep -q "ok installed"; then
    echo "FAIL: bmk540 is installed already; this check installs and removes it (apt-get remove --purge bmk540 first)" >&2
    exit 1
  fi
  install_x11_tools
  # xvfb-run stops its X server however the check ends.
  exec env BMK_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

started=$SECONDS
arch=$(dpkg --print-architecture)
work=$(mktemp -d /tmp/bmk540-package-XXXXXX)
chmod 755 "$work"
program=""
cupsd_pid=""
installed=""
# Another apt-get on the machine holds the lock for a while; wait for it instead of failing.
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -q "$@"; }

cleanup() {
  [ -z "$program" ] || stop_tree "$program"
  # A check that failed half-way leaves nothing installed either.
  if [ -n "$installed" ]; then
    apt_get remove --purge -y bmk540 >"$work/cleanup-remove.log" 2>&1 ||
      echo "could not remove bmk540; see apt-get remove --purge bmk540" >&2
  fi
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  cd /
  rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: interrupted" >&2; exit 1' INT TERM
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
step() { echo "== $* ($((SECONDS - started)) s)"; }

# --- The copy -------------------------------------------------------------------------------
# dpkg-buildpackage writes into the source tree and puts the packages beside it: a copy keeps
# the repository's working tree as it is.
mkdir "$work/bmk540"
if [ "$source_tree" = head ]; then
  git -C "$repo" archive HEAD | tar -x -C "$work/bmk540"
  echo "building $(git -C "$repo" rev-parse --short HEAD) (HEAD) in $work/bmk540"
else
  git -C "$repo" ls-files -z --cached --others --exclude-standard --deduplicate |
    tar -c -C "$repo" --null --ignore-failed-read -T - 2>/dev/null | tar -x -C "$work/bmk540"
  echo "building the working tree of $repo in $work/bmk540"
fi
cd "$work/bmk540"

# --- Build and lintian ----------------------------------------------------------------------
step "installing the build tools and the package's build dependencies"
apt_get install -y dpkg-dev debhelper lintian appstream desktop-file-utils strace \
  shared-mime-info xdg-utils libfile-mimeinfo-perl >"$work/tools.log" 2>&1 ||
  { tail -20 "$work/tools.log" >&2; fail "cannot install the build tools"; }
apt_get build-dep -y ./ >"$work/build-dep.log" 2>&1 ||
  { tail -20 "$work/build-dep.log" >&2; fail "cannot install the build dependencies"; }

step "building the package"
build_started=$SECONDS
dpkg-buildpackage -us -uc -b -j2 >"$work/build.log" 2>&1 || { tail -40 "$work/build.log" >&2; fail "the package did not build"; }
deb=$work/bmk540_$(dpkg-parsechangelog -S Version)_$arch.deb
[ -s "$deb" ] || fail "no $deb"
# The project keeps its build free of warnings; the package's build too.
if grep -E "warning:|CMake Warning" "$work/build.log" >"$work/build-warnings.txt"; then
  cat "$work/build-warnings.txt" >&2
  fail "the package build printed warnings"
fi
echo "ok: built $(basename "$deb") in $((SECONDS - build_started)) s, without a warning"

# Errors fail the check; warnings, notes and pedantic hints are printed for a person to judge.
lintian_status=0
lintian --fail-on error --display-info --pedantic "$work"/bmk540_*_"$arch".changes >"$work/lintian.txt" 2>&1 || lintian_status=$?
grep -v "root privileges" "$work/lintian.txt" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors"
echo "ok: lintian: no errors ($(grep -c "^W: " "$work/lintian.txt" || true) warnings)"

# --- Install --------------------------------------------------------------------------------
# What the package holds, and which of those paths were there before it came (shared
# directories such as /usr/share/man/man1): after removal, nothing else may be left.
dpkg-deb -c "$deb" | awk '{ sub(/ -> .*/, ""); print substr($0, index($0, "./") + 1) }' |
  sed 's|/$||' | grep -v '^$' >"$work/contents.txt"
while read -r path; do
  if [ -e "$path" ] || [ -L "$path" ]; then echo "$path"; fi
done <"$work/contents.txt" >"$work/there-before.txt"

dpkg-query -W -f='${Package}\n' | sort >"$work/packages-before.txt"
step "installing the package with apt-get"
installed=yes
apt_get install -y "$deb" >"$work/install.log" 2>&1 || { tail -20 "$work/install.log" >&2; fail "apt-get could not install the package"; }
dpkg-query -W -f='${Package}\n' | sort >"$work/packages-after.txt"
pulled=$(comm -13 "$work/packages-before.txt" "$work/packages-after.txt" | grep -vx bmk540 | tr '\n' ' ' || true)
echo "ok: installed; it brought in: ${pulled:-nothing else}"
dpkg -L bmk540 | grep -vx '/\.' | sort >"$work/files.txt"

for f in /usr/lib/bmk540/bmk540 /usr/lib/bmk540/bmk540.chm /usr/lib/bmk540/bmk540-en.chm /usr/lib/bmk540/bmk540-capture /usr/bin/bmk540ctl \
         /usr/share/applications/bmk540.desktop /usr/share/mime/packages/bmk540.xml /usr/share/ppd/bmk540/bmk540.ppd \
         /usr/share/man/man1/bmk540.1.gz /usr/share/man/man1/bmk540ctl.1.gz /usr/share/doc/bmk540/copyright \
         /usr/share/bmk540/translations/bmk540_en.qm; do
  [ -s "$f" ] || fail "not installed: $f"
done
for size in 16 24 32 48 64 128 256; do
  [ -s "/usr/share/icons/hicolor/${size}x${size}/apps/bmk540.png" ] || fail "no ${size}-pixel icon"
done
[ "$(readlink /usr/bin/bmk540)" = ../lib/bmk540/bmk540 ] || fail "/usr/bin/bmk540 is not the link to ../lib/bmk540/bmk540"
metainfo=""
for f in /usr/share/metainfo/*bmk540.metainfo.xml; do [ -s "$f" ] && metainfo=$f; done
[ -n "$metainfo" ] || fail "no AppStream entry in /usr/share/metainfo"
echo "ok: the program, its help file and the demo printer in /usr/lib/bmk540, /usr/bin/bmk540 links to it"

desktop-file-validate /usr/share/applications/bmk540.desktop || fail "desktop-file-validate rejects the launcher"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
appstreamcli validate-tree --no-net / >"$work/validate-tree.txt" 2>&1 || true
if grep -B1 -E "^ +[EW]: " "$work/validate-tree.txt" | grep -A1 "$(basename "$metainfo")" | grep -qE "^ +[EW]: "; then
  grep -A5 "$(basename "$metainfo")" "$work/validate-tree.txt" >&2
  fail "appstreamcli validate-tree finds fault with the installed entry"
fi
echo "ok: desktop-file-validate and appstreamcli validate pass"

for page in bmk540 bmk540ctl; do
  man -w "$page" >/dev/null || fail "man finds no page for $page"
done
bmk540ctl --version >/dev/null || fail "the installed bmk540ctl does not run"
bmk540 --version >/dev/null || fail "the installed bmk540 does not answer --version"
# The English texts are found from /usr/bin: under an English locale show has no Japanese left.
bmk540ctl factory -o "$work/words.dat" >/dev/null
LANGUAGE= LC_ALL= LC_MESSAGES= LANG=en_US.UTF-8 bmk540ctl show "$work/words.dat" >"$work/show-en.txt"
perl -CSD -ne 'exit 1 if /[\x{3000}-\x{30FF}\x{4E00}-\x{9FFF}\x{FF00}-\x{FFEF}]/' "$work/show-en.txt" ||
  fail "bmk540ctl show under LANG=en_US.UTF-8 still shows Japanese: the English texts were not found"
echo "ok: the installed bmk540ctl speaks English under an English locale"

# --- The settings file's type ---------------------------------------------------------------
# The shared-mime-info and desktop triggers have run: a saved settings file is known by its
# header and opens with the launcher; another .dat is not taken for one.
settings_type=application/x-bmk540-settings
bmk540ctl factory -o "$work/office.dat" >/dev/null
printf 'not a settings file\n' >"$work/other.dat"
[ "$(xdg-mime query filetype "$work/office.dat")" = "$settings_type" ] || fail "a saved settings file is not $settings_type"
[ "$(xdg-mime query filetype "$work/other.dat")" != "$settings_type" ] || fail "another .dat is taken for $settings_type"
[ "$(xdg-mime query default "$settings_type")" = bmk540.desktop ] || fail "$settings_type does not open with bmk540.desktop"
echo "ok: xdg-mime names $settings_type for a saved settings file, not for another .dat, and opens it with bmk540"

# --- CUPS lists the model -------------------------------------------------------------------
# lpinfo asks the system's scheduler; start it for the check when it is not running.
unset CUPS_SERVER
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  /usr/sbin/cupsd -f >"$work/cupsd.log" 2>&1 &
  cupsd_pid=$!
  for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
  done
  lpstat -r 2>/dev/null | grep -q "is running" || fail "the system's CUPS scheduler did not start"
  echo "started the system's CUPS scheduler for lpinfo (stopped again at the end)"
fi
lpinfo -m >"$work/lpinfo.txt" 2>&1 || { cat "$work/lpinfo.txt" >&2; fail "lpinfo -m failed"; }
grep -i quillstrike "$work/lpinfo.txt" || fail "lpinfo -m does not list the model"
echo "ok: lpinfo -m lists the model"

# --- The installed program sends the factory settings ---------------------------------------
# A settings file is a 24-byte header and the 190-byte image the printer receives.
bmk540ctl factory -o "$work/factory.dat" >/dev/null
tail -c +25 "$work/factory.dat" >"$work/factory.bin"
[ "$(stat -c %s "$work/factory.bin")" -eq 190 ] || fail "bmk540ctl factory did not write a 214-byte file"

step "running /usr/bin/bmk540 against the demo spooler"
captures=$work/captures
mkdir -p "$captures" "$work/tmp"
# bmk540 runs once per user: a private temporary directory keeps a copy already open elsewhere
# from taking this start over. strace records where the program looks for its help file.
TMPDIR=$work/tmp BMK_CAPTURE_DIR=$captures CUPS_SERVER=$work/no-scheduler.sock \
  tools/demo-spooler.sh /usr/lib/bmk540/bmk540-capture /usr/share/ppd/bmk540/bmk540.ppd \
  strace -qq -e trace=%file -o "$work/files-looked-at.txt" /usr/bin/bmk540 >"$work/program.log" 2>&1 &
program=$!
# The waits run in this shell, not in a command substitution, which would hold off a signal
# (and so the clean-up) until it ended.
wait_for_window "ORV Quillstrike" 120 >"$work/id" || { tail -20 "$work/program.log" >&2; fail "no window"; }
window=$(<"$work/id")
wait_for_paint "$window" 60 || fail "the window was not drawn"
send_and_compare "$window" "$captures" "$work/factory.bin" "$work/id" || fail "sending the factory settings"
# Help -> Contents (F1) opens the program's help window on the help file beside the executable.
xdotool windowfocus --sync "$window"
xdotool key F1
wait_for_window "ヘルプ" 30 >"$work/id" || fail "F1 opened no help window"
wait_for_paint "$(<"$work/id")" 30 || fail "the help window was not drawn"
# The help window goes with the program.
close_and_decline "$window" 60 "$program" || fail "the program did not close"
status=0
wait "$program" || status=$?
program=""
[ "$status" -eq 0 ] || { tail -20 "$work/program.log" >&2; fail "bmk540 ended with status $status"; }
echo "ok: the printer received the 190 bytes of the factory settings"
# Started through the link, the program looks for its help file in its real directory, and finds it.
grep -F '"/usr/lib/bmk540/bmk540.chm"' "$work/files-looked-at.txt" | grep -q "= 0$" ||
  { grep -F "bmk540.chm" "$work/files-looked-at.txt" >&2; fail "started as /usr/bin/bmk540, the program did not find /usr/lib/bmk540/bmk540.chm"; }
echo "ok: started as /usr/bin/bmk540, the program found its help file /usr/lib/bmk540/bmk540.chm and F1 showed it"

# --- Remove ---------------------------------------------------------------------------------
step "removing the package"
apt_get remove --purge -y bmk540 >"$work/remove.log" 2>&1 || { tail -20 "$work/remove.log" >&2; fail "apt-get could not remove the package"; }
installed=""
state=$(dpkg-query -W -f='${Status}' bmk540 2>/dev/null || true)
case "$state" in
  "" | *not-installed) ;;
  *) fail "dpkg still knows bmk540: $state" ;;
esac
if [ -e /usr/bin/bmk540 ] || [ -L /usr/bin/bmk540 ]; then fail "/usr/bin/bmk540 is still there"; fi
# Every path of the package that was not there before it came must be gone.
sort -u "$work/files.txt" "$work/contents.txt" | { grep -vxF -f "$work/there-before.txt" || true; } |
  while read -r path; do if [ -e "$path" ] || [ -L "$path" ]; then echo "$path"; fi; done >"$work/left.txt"
[ ! -s "$work/left.txt" ] || { cat "$work/left.txt" >&2; fail "left behind after removal"; }
lpinfo -m 2>/dev/null | grep -qi quillstrike && fail "lpinfo -m still lists the model after removal"
echo "ok: removed; none of its $(wc -l <"$work/files.txt") paths is left and lpinfo -m no longer lists the model"

echo "PASS ($((SECONDS - started)) s)"
