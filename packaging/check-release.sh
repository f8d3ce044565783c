#!/usr/bin/env bash
# Checks that the release files rebuild byte for byte and that their
# signatures verify. Two copies of the source tree (the files git knows, as
# the working tree has them) are built by their own scripts/release in two
# folders, minutes apart, under different time zones and umasks. The first
# run signs with throwaway keys made here (a self-signed code-signing
# certificate, an OpenPGP key); the second rebuilds as anybody could,
# attaching the first run's published signatures instead of signing. Both
# dist/ folders must hold the same bytes, SHA256SUMS.asc aside, and every
# signature must verify, the uninstaller's too, which the installer writes
# under Wine.
# Usage: packaging/check-release.sh [WINE_PREFIX_TO_COPY]
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TEMPLATE="${1:-}"
PRODUCT_NAME="Z.Q Lotwheel for Tournament Basic"
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE="$(command -v wine64 || true)"
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER="$(command -v wineserver || true)"

source "$ROOT/packaging/check-common.sh"

for tool in git openssl osslsigncode gpg gpgconf unzip sha256sum "$WINE" \
  "$WINESERVER"; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

# Short, for GnuPG's socket paths.
SCRATCH="$(mktemp -d /tmp/lotwheel-release.XXXXXX)"
export GNUPGHOME="$SCRATCH/gnupg"
PREFIX="$SCRATCH/wineprefix"
cleanup() {
  gpgconf --kill gpg-agent 2>/dev/null || true
  if [ -f "$PREFIX/system.reg" ]; then
    WINEPREFIX="$PREFIX" "$WINESERVER" -k 2>/dev/null || true
  fi
  if [ "$failures" -eq 0 ]; then
    rm -rf "$SCRATCH"
  else
    echo "(the runs are kept in $SCRATCH)" >&2
  fi
}
trap cleanup EXIT

EPOCH="$(git -C "$ROOT" log -1 --format=%ct)"
# copy_tree DIR: the tree's files into DIR, with the modes the umask gives
# and the time of copying, as a fresh checkout would have them.
copy_tree() {
  mkdir -p "$1"
  git -C "$ROOT" ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do
      [ -e "$ROOT/$file" ] && printf '%s\0' "$file"
    done |
    tar -C "$ROOT" --null -T - -cf - |
    tar -C "$1" --no-same-permissions --touch -xf -
}

# release NAME TZ UMASK [VARIABLE=VALUE...]: scripts/release in a fresh copy
# of the tree under SCRATCH/NAME, with nothing of the caller's signing
# settings.
release() {
  local name="$1" zone="$2" mask="$3" start
  shift 3
  start="$(date +%s)"
  (
    umask "$mask"
    copy_tree "$SCRATCH/$name"
    cd "$SCRATCH/$name"
    env -u LOTWHEEL_SIGN_PFX -u LOTWHEEL_SIGN_PASS_FILE -u LOTWHEEL_GPG_KEY \
      -u LOTWHEEL_SIGN_TIMESTAMP_URL -u LOTWHEEL_SIGNATURES \
      -u LOTWHEEL_SIGNATURES_CAFILE TZ="$zone" SOURCE_DATE_EPOCH="$EPOCH" \
      "$@" scripts/release
  ) >"$SCRATCH/$name.log" 2>&1 || {
    cat "$SCRATCH/$name.log" >&2
    fail "scripts/release in $name"
    exit 1
  }
  pass "scripts/release in $name (TZ=$zone, umask $mask): $(($(date +%s) - start)) s"
}

echo "-- throwaway keys"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Lotwheel test signer" \
  -addext keyUsage=critical,digitalSignature -addext extendedKeyUsage=codeSigning \
  -keyout "$SCRATCH/signer.key" -out "$SCRATCH/signer.pem" 2>/dev/null
openssl rand -hex 16 >"$SCRATCH/signer.pass"
openssl pkcs12 -export -inkey "$SCRATCH/signer.key" -in "$SCRATCH/signer.pem" \
  -passout "file:$SCRATCH/signer.pass" -out "$SCRATCH/signer.pfx"
mkdir -m 700 "$GNUPGHOME"
gpg --batch --quiet --passphrase '' --quick-gen-key \
  "Lotwheel test signer <signer@test.invalid>" rsa2048 sign 1d 2>/dev/null
GPG_KEY="$(gpg --batch --with-colons --list-secret-keys 2>/dev/null |
  sed -n 's/^fpr:*\([0-9A-F]*\):$/\1/p' | head -n 1)"

echo "-- the release, signed, then rebuilt with its signatures"
release signed Pacific/Kiritimati 077 LOTWHEEL_SIGN_PFX="$SCRATCH/signer.pfx" \
  LOTWHEEL_SIGN_PASS_FILE="$SCRATCH/signer.pass" LOTWHEEL_GPG_KEY="$GPG_KEY"
ONE="$SCRATCH/signed/dist"
unzip -q "$ONE"/*-win64-signatures.zip -d "$SCRATCH/signatures"
release rebuild-from-the-signatures America/St_Johns 002 \
  LOTWHEEL_SIGNATURES="$SCRATCH/signatures" \
  LOTWHEEL_SIGNATURES_CAFILE="$SCRATCH/signer.pem"
TWO="$SCRATCH/rebuild-from-the-signatures/dist"

echo "-- the two dist/ folders"
expect_equal "files" "$(cd "$ONE" && LC_ALL=C ls | grep -vxF SHA256SUMS.asc)" \
  "$(cd "$TWO" && LC_ALL=C ls)"
for file in "$TWO"/*; do
  if cmp -s "$file" "$ONE/${file##*/}"; then
    pass "${file##*/} is the same"
  else
    fail "${file##*/} differs between the runs"
  fi
done
if (cd "$ONE" && sha256sum --quiet -c SHA256SUMS); then
  pass "sha256sum -c SHA256SUMS"
else
  fail "sha256sum -c SHA256SUMS"
fi

echo "-- the signatures"
# verify WHAT FILE: its Authenticode signature holds, from the throwaway
# certificate.
verify() {
  local out
  if out="$(osslsigncode verify -CAfile "$SCRATCH/signer.pem" -in "$2" 2>&1)"; then
    pass "$1: $(grep -m1 'Signature verification' <<<"$out")"
  else
    fail "$1: $out"
  fi
}
if out="$(gpg --batch --verify "$ONE/SHA256SUMS.asc" "$ONE/SHA256SUMS" 2>&1)"; then
  pass "SHA256SUMS.asc: $(grep -m1 'Good signature' <<<"$out")"
else
  fail "SHA256SUMS.asc: $out"
fi
SETUP="$(echo "$ONE"/*-setup.exe)"
ZIP="$(echo "$ONE"/*-win64.zip)"
unzip -q "$ZIP" -d "$SCRATCH/unzipped"
verify "the zip's lotwheel.exe" "$(echo "$SCRATCH"/unzipped/*/lotwheel.exe)"
verify "${SETUP##*/}" "$SETUP"

# The uninstaller exists only once the installer has run.
if [ -n "$TEMPLATE" ]; then
  "$ROOT/tests/wine/wine-prefix" "$PREFIX" 96 "$TEMPLATE"
else
  "$ROOT/tests/wine/wine-prefix" "$PREFIX"
fi
env -u DISPLAY WINEPREFIX="$PREFIX" WINELOADER="$WINE" WINEDEBUG=-all \
  WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
  timeout 120 "$WINE" "$SETUP" /S >"$SCRATCH/install.log" 2>&1 || true
WINEPREFIX="$PREFIX" timeout 120 "$WINESERVER" -w || true
INSTALLED="$PREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/$PRODUCT_NAME"
if [ -f "$INSTALLED/uninstall.exe" ]; then
  verify "the installed uninstall.exe" "$INSTALLED/uninstall.exe"
  verify "the installed lotwheel.exe" "$INSTALLED/lotwheel.exe"
else
  fail "the installer installed no uninstaller: $(cat "$SCRATCH/install.log")"
fi

if [ "$failures" -ne 0 ]; then
  echo "== release checks: $failures check(s) failed" >&2
  exit 1
fi
echo "== release checks passed"
