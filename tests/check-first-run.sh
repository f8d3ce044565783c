#!/usr/bin/env bash
# Checks what a first run says where it cannot go on: scripts that need
# packages installed on a machine without sudo, and the program started with
# no desktop session or with a display that does not answer. Each must say
# so in plain words and end with a failure status.
# Usage: tests/check-first-run.sh BUILD_DIR
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:?usage: check-first-run.sh BUILD_DIR}" && pwd)"
SCRATCH="$(mktemp -d /tmp/lotwheel-first-run.XXXXXX)"
trap 'rm -rf "$SCRATCH"' EXIT
source "$ROOT/packaging/check-common.sh"

# expect_run WHAT STATUS EXPECTED_STDERR COMMAND...: runs COMMAND, which must
# end with STATUS, write nothing on stdout and exactly EXPECTED_STDERR.
expect_run() {
  local what="$1" status="$2" expected="$3" got=0
  shift 3
  "$@" >"$SCRATCH/out" 2>"$SCRATCH/err" || got=$?
  expect_equal "$what: status" "$status" "$got"
  expect_equal "$what: says" "$expected" "$(cat "$SCRATCH/err")"
  expect_equal "$what: nothing on stdout" "" "$(cat "$SCRATCH/out")"
}

echo "-- a script that must install packages, as a user without sudo"
# A copy readable by any user; a PATH with only what ensure_packages uses
# before it would call sudo, so neither sudo nor apt-get can be found.
mkdir -p "$SCRATCH/scripts" "$SCRATCH/bin"
cp "$ROOT/scripts/common.sh" "$SCRATCH/scripts/"
for tool in dpkg-query grep id cat dirname; do
  ln -s "$(command -v "$tool")" "$SCRATCH/bin/$tool"
done
chmod -R a+rX "$SCRATCH"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
user="$("${as_user[@]}" id -un)"
# bash is installed everywhere; the other package is never.
expect_run "ensure_packages without sudo" 1 "scripts/run needs these Debian packages, which are not installed:
  lotwheel-absent-package
Installing them needs root, and sudo is not installed. Either install them
once as root, then run scripts/run again:
  su -c 'apt-get install --no-install-recommends lotwheel-absent-package'
or install sudo and let yourself use it (as root: apt-get install sudo;
adduser $user sudo; then log in again), or install them another way." \
  "${as_user[@]}" env -i PATH="$SCRATCH/bin" "$BASH" -c \
  'set -euo pipefail; source "$1"; ensure_packages bash lotwheel-absent-package' \
  scripts/run "$SCRATCH/scripts/common.sh"

echo "-- the program without a desktop session"
PROGRAM="$BUILD/app/lotwheel"
expect_run "no display named" 1 "lotwheel: no desktop session to open a window in: neither DISPLAY nor WAYLAND_DISPLAY is set" \
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PROGRAM"
# A display number that no X server holds.
n=90
while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do
  n=$((n + 1))
done
expect_run "a display that does not answer" 1 "lotwheel: cannot open a window: the desktop session does not answer, or Qt has no platform plugin for it (DISPLAY=:$n)" \
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$n" "$PROGRAM"

if [ "$failures" -ne 0 ]; then
  echo "== first run: $failures check(s) failed" >&2
  exit 1
fi
echo "== first-run checks passed"
