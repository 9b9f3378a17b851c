#!/usr/bin/env bash
# Installs a build into a temporary prefix and asks the desktop's own tools what a settings file
# is: a file saved by bmk540 is application/x-bmk540-settings, whatever its name, and opens with
# the launcher; another .dat file is not that type.
#
# usage: tools/check-mime-type.sh BUILD-DIR   (needs shared-mime-info, xdg-utils, libfile-mimeinfo-perl
# and desktop-file-utils, which tools/install-deps.sh installs)
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 BUILD-DIR" >&2; exit 2; }
build=$1
type=application/x-bmk540-settings
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

# Only the installed prefix and the system's own types; no desktop's settings of the user.
export XDG_DATA_DIRS="$prefix/share:/usr/share" XDG_DATA_HOME="$prefix/home-data"
export XDG_CONFIG_HOME="$prefix/home-config" XDG_CONFIG_DIRS="$prefix/etc-xdg"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

cmake --install "$build" --prefix "$prefix" >/dev/null
update-mime-database "$prefix/share/mime"
update-desktop-database "$prefix/share/applications"

"$prefix/bin/bmk540ctl" factory -o "$prefix/office.dat" >/dev/null
cp "$prefix/office.dat" "$prefix/office-settings"
printf 'ORV Quillstrike 540QZ7 is not the header of this file\n' >"$prefix/other.dat"
head -c 214 /dev/urandom >"$prefix/random.dat"

failed=0
expect() {
  local file=$1 wanted=$2 got
  got=$(xdg-mime query filetype "$file")
  if [ "$wanted" = "$type" ] && [ "$got" != "$type" ]; then
    echo "FAIL: $file is $got, not $type" >&2; failed=1
  elif [ "$wanted" != "$type" ] && [ "$got" = "$type" ]; then
    echo "FAIL: $file is taken for $type" >&2; failed=1
  else
    echo "ok: $(basename "$file") is $got"
  fi
}
expect "$prefix/office.dat" "$type"
expect "$prefix/office-settings" "$type"
expect "$prefix/other.dat" other
expect "$prefix/random.dat" other

launcher=$(xdg-mime query default "$type")
if [ "$launcher" = bmk540.desktop ]; then
  echo "ok: $type opens with $launcher"
else
  echo "FAIL: $type opens with '$launcher', not bmk540.desktop" >&2; failed=1
fi
exit $failed
