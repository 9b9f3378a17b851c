#!/bin/sh
# Creates a CUPS queue for an ORV Quillstrike 540QZ7 with the model's raw PPD, so that
# bmk540 lists it and its jobs reach the printer unchanged.
#   tools/make-queue.sh NAME DEVICE-URI
# e.g. tools/make-queue.sh Quillstrike socket://192.168.1.50:9100
#      tools/make-queue.sh Quillstrike usb://ORV/Quillstrike%20540QZ7
# Needs the right to administer the scheduler (run as root or a member of lpadmin).
set -eu

usage() {
    echo "usage: $0 NAME DEVICE-URI" >&2
    echo "  NAME        queue name (letters, digits, '-', '_', '.')" >&2
    echo "  DEVICE-URI  where the printer is, e.g. socket://HOST:9100 (see 'lpinfo -v')" >&2
    exit 2
}

[ $# -eq 2 ] || usage
name=$1
uri=$2
case $name in
    "" | *[!A-Za-z0-9_.-]*) usage ;;
esac
case $uri in
    *:*) ;;
    *) usage ;;
esac

ppd=$(cd "$(dirname "$0")/.." && pwd)/res/ppd/bmk540.ppd
if [ ! -r "$ppd" ]; then
    echo "$0: cannot find bmk540.ppd" >&2
    exit 1
fi

lpadmin -p "$name" -E -v "$uri" -P "$ppd" -o printer-is-shared=false
echo "queue $name created for $uri"
