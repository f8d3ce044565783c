#!/usr/bin/env bash
# Runs the README's test command on another Debian release as a new user of
# it would: in a fresh root of that release (debootstrap, minbase, with git
# and ca-certificates alone), a clone of this checkout's commit runs
# `CI=true scripts/test`, which installs all it needs from the release.
#   tests/other-release.sh RELEASE      e.g. trixie; forky to try the next one
# Needs root; installs debootstrap when it is missing. The mirror is the one
# this machine's own apt sources name for its release (LOTWHEEL_MIRROR
# overrides it).
#
# The base root of each release is made once and kept in LOTWHEEL_ROOTS
# (/var/cache/lotwheel/roots by default) and never changed: every run works
# in a copy of it, which is removed afterwards. The packages apt downloads are
# kept beside it, so that a later run need not fetch them again (it still
# installs every one). LOTWHEEL_KEEP_ROOT=1 keeps the run's root, unmounted,
# for a look after a failure. LOTWHEEL_IGNORE_VALID_UNTIL=1 lets apt in the
# root take a Release file past its expiry date, for a mirror that is a
# frozen copy of the archive (a testing release's expires within a week).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
RELEASE="${1:-}"
[[ "$RELEASE" =~ ^[a-z]+$ ]] && [ $# -eq 1 ] || {
  echo "usage: tests/other-release.sh RELEASE (a Debian code name: trixie)" >&2
  exit 2
}
[ "$(id -u)" -eq 0 ] || {
  echo "other-release: needs root (debootstrap, chroot, mount)" >&2
  exit 2
}
source "$ROOT/scripts/common.sh"
ensure_packages debootstrap debian-archive-keyring
CACHE="${LOTWHEEL_ROOTS:-/var/cache/lotwheel/roots}/$RELEASE"
BASE="$CACHE/base"
ARCHIVES="$CACHE/archives"

# The mirror of the Debian archive that this machine's apt sources name for
# its own release, from one-line (.list) or deb822 (.sources) files.
host_mirror() {
  local codename file
  codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    awk -v c="$codename" '$1 == "deb" {
        i = 2
        if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
        if ($(i + 1) == c) { print $i; exit }
      }' "$file"
  done
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    awk -v c="$codename" 'BEGIN { RS = "" }
      {
        uri = ""; suite = 0; deb = 0; enabled = 1
        n = split($0, lines, "\n")
        for (j = 1; j <= n; j++) {
          line = lines[j]
          if (line ~ /^#/) continue
          if (line ~ /^Types:/ && line ~ /[ \t]deb([ \t]|$)/) deb = 1
          if (line ~ /^Suites:/ && (" " line " ") ~ ("[ \t]" c "[ \t]")) suite = 1
          if (line ~ /^Enabled:[ \t]*no/) enabled = 0
          if (line ~ /^URIs:/) { split(line, w, /[ \t]+/); uri = w[2] }
        }
        if (deb && suite && enabled && uri != "") { print uri; exit }
      }' "$file"
  done
}
MIRROR="${LOTWHEEL_MIRROR:-$(host_mirror | head -n 1)}"
[ -n "$MIRROR" ] || {
  echo "other-release: this machine's apt sources name no mirror for its" \
    "release; set LOTWHEEL_MIRROR" >&2
  exit 2
}

started=$SECONDS
# say WHAT: a line with the time since the start.
say() { echo "== other-release $RELEASE [$((SECONDS - started)) s]: $*"; }

# The base root, made once. A release newer than the host's debootstrap
# knows is made with the script for unstable, which fits every release since.
mkdir -p "$CACHE" "$ARCHIVES/partial"
exec 7>"$CACHE/lock"
flock 7
if [ ! -f "$BASE/.lotwheel-base-complete" ]; then
  say "making the base root from $MIRROR"
  script=()
  [ -f "/usr/share/debootstrap/scripts/$RELEASE" ] ||
    script=(/usr/share/debootstrap/scripts/sid)
  rm -rf "$BASE.new"
  debootstrap --variant=minbase --include=git,ca-certificates \
    "$RELEASE" "$BASE.new" "$MIRROR" "${script[@]}" >"$CACHE/debootstrap.log" 2>&1 || {
    tail -n 30 "$CACHE/debootstrap.log" >&2
    echo "other-release: debootstrap $RELEASE failed; its log:" \
      "$CACHE/debootstrap.log" >&2
    exit 1
  }
  touch "$BASE.new/.lotwheel-base-complete"
  rm -rf "$BASE"
  mv "$BASE.new" "$BASE"
fi

WORK="$(realpath "$(mktemp -d "${TMPDIR:-/var/tmp}/lotwheel-$RELEASE.XXXXXX")")"
CHROOT="$WORK/root"
MOUNTED=()

# Ends what runs in the root (every such process was started by this run),
# unmounts what was mounted, innermost first, and removes the copy only when
# nothing is mounted below it any more.
cleanup() {
  local status=$? signal link pid i left
  for signal in TERM KILL; do
    for link in /proc/[0-9]*/root; do
      pid="${link#/proc/}" pid="${pid%/root}"
      [ "$(readlink "$link" 2>/dev/null)" == "$CHROOT" ] &&
        kill -s "$signal" "$pid" 2>/dev/null || true
    done
    [ "$signal" == KILL ] || sleep 2
  done
  for ((i = ${#MOUNTED[@]} - 1; i >= 0; i--)); do
    umount "${MOUNTED[i]}" 2>/dev/null || {
      sleep 2
      umount "${MOUNTED[i]}" || echo "other-release: cannot unmount ${MOUNTED[i]}" >&2
    }
  done
  left="$(findmnt -rn -o TARGET | grep -F "$WORK/" || true)"
  if [ -n "$left" ]; then
    echo "other-release: still mounted, so $WORK is left as it is:" >&2
    echo "$left" >&2
    exit 1
  fi
  if [ "${LOTWHEEL_KEEP_ROOT:-}" == 1 ]; then
    echo "other-release: the root is kept in $CHROOT" >&2
  else
    rm -rf "$WORK"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# mount_in TARGET MOUNT_ARGS...: mounts at TARGET inside the root, recorded
# for unmounting.
mount_in() {
  local target="$CHROOT/$1"
  shift
  mount "$@" "$target"
  MOUNTED+=("$target")
}

say "a copy of the base root in $CHROOT"
cp -a "$BASE" "$CHROOT"
rm "$CHROOT/.lotwheel-base-complete"
cp -L /etc/resolv.conf "$CHROOT/etc/resolv.conf"
if [ "${LOTWHEEL_IGNORE_VALID_UNTIL:-}" == 1 ]; then
  echo 'Acquire::Check-Valid-Until "false";' \
    >"$CHROOT/etc/apt/apt.conf.d/99lotwheel-frozen-mirror"
fi
mount_in proc -t proc proc
mount_in sys -t sysfs -o ro sysfs
mount_in dev/pts -t devpts -o newinstance,ptmxmode=0666,mode=0620 devpts
mount_in dev/shm -t tmpfs -o mode=1777 tmpfs
mount_in var/cache/apt/archives --bind "$ARCHIVES"

# The commit, cloned in the root from a bundle of this checkout.
commit="$(git -C "$ROOT" rev-parse HEAD)"
if [ -n "$(git -C "$ROOT" status --porcelain)" ]; then
  echo "other-release: NOTE: tests the commit $commit; the changes not" \
    "committed are not in it" >&2
fi
git -C "$ROOT" bundle create -q "$CHROOT/root/source.bundle" HEAD
in_root() {
  chroot "$CHROOT" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    ${FUZZ_SECONDS:+FUZZ_SECONDS="$FUZZ_SECONDS"} "$@"
}
in_root git clone -q /root/source.bundle /root/lotwheel
in_root git -C /root/lotwheel checkout -q --detach "$commit"
say "$(in_root sh -c '. /etc/os-release && echo "$PRETTY_NAME"'), commit $commit"

status=0
in_root /bin/bash -c 'cd /root/lotwheel && CI=true scripts/test' </dev/null ||
  status=$?
# Drops from the kept downloads what the release no longer offers.
in_root apt-get -qq autoclean || true
if [ "$status" -eq 0 ]; then
  say "scripts/test passed"
else
  say "scripts/test FAILED (exit status $status)"
fi
exit "$status"
