#!/usr/bin/env bash
# Checks the desktop integration of a built tree: the version text, the menu
# entry and software centre record, an install into a scratch prefix, the
# Debian package (lintian, its manual pages, its changelog) and the Windows
# version record.
# Usage: packaging/check-packaging.sh BUILD_DIR
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:?usage: check-packaging.sh BUILD_DIR}" && pwd)"
APP_ID=org.example.Lotwheel
PRODUCT_NAME="Z.Q Lotwheel for Tournament Basic"
DESCRIPTION="簡易抽選ソフトウェア"
COPYRIGHT="$(grep -m1 '^Copyright ' "$ROOT/LICENSE")"

SCRATCH="$(mktemp -d /tmp/lotwheel-packaging.XXXXXX)"
trap 'rm -rf "$SCRATCH"' EXIT

source "$ROOT/packaging/check-common.sh"

for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-parsechangelog \
  cpack file lintian man x86_64-w64-mingw32-windres cpp iconv od objdump \
  ldconfig; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

# The version text of the build, as the version window shows it after
# "Version:": what every piece of metadata must say.
VERSION_HEADER="$BUILD/generated/lotwheel_version.h"
VERSION_TEXT="$(sed -n 's/.*kVersionText\[\] = u"\([0-9.]*\)";/\1/p' "$VERSION_HEADER")"
[[ "$VERSION_TEXT" =~ ^[0-9]+\.[0-9]{2,}\.[0-9]{4,}$ ]] ||
  { echo "FAIL: no version text in $VERSION_HEADER" >&2; exit 1; }
IFS=. read -r v_major v_minor v_revision <<<"$VERSION_TEXT"
# The Windows record's four numbers: major, minor, 0, revision.
VERSION_FIELDS="$((10#$v_major)), $((10#$v_minor)), 0, $((10#$v_revision))"

echo "-- install into a scratch prefix"
PREFIX="$SCRATCH/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >"$SCRATCH/install.log" ||
  { cat "$SCRATCH/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }
EXPECTED_FILES="bin/lotwheel
share/applications/$APP_ID.desktop
share/doc/lotwheel/changelog.gz
share/doc/lotwheel/copyright
share/icons/hicolor/16x16/apps/$APP_ID.png
share/icons/hicolor/32x32/apps/$APP_ID.png
share/man/ja/man1/lotwheel.1.gz
share/man/man1/lotwheel.1.gz
share/metainfo/$APP_ID.metainfo.xml"
installed="$(cd "$PREFIX" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)"
expect_equal "installed files" "$EXPECTED_FILES" "$installed"

DESKTOP="$PREFIX/share/applications/$APP_ID.desktop"
METAINFO="$PREFIX/share/metainfo/$APP_ID.metainfo.xml"

echo "-- desktop entry"
if out="$(desktop-file-validate "$DESKTOP" 2>&1)" && [ -z "$out" ]; then
  pass "desktop-file-validate is clean"
else
  fail "desktop-file-validate: $out"
fi
# desktop_value KEY: the value of KEY in the [Desktop Entry] group.
desktop_value() {
  sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$DESKTOP"
}
while IFS='|' read -r key value; do
  expect_equal "desktop entry $key" "$value" "$(desktop_value "$key")"
done <<EOF
Type|Application
Name|$PRODUCT_NAME
Comment|$DESCRIPTION
Exec|lotwheel
Icon|$APP_ID
Terminal|false
Categories|Utility;
StartupWMClass|lotwheel
X-Lotwheel-Version|$VERSION_TEXT
EOF

echo "-- AppStream metainfo"
# Info lines are allowed; warnings and errors are not.
if out="$(appstreamcli validate --no-net "$METAINFO" 2>&1)" &&
  ! grep -q '^[EW]:' <<<"$out"; then
  pass "appstreamcli validate passes"
else
  fail "appstreamcli validate: $out"
fi
# Collapsed to one line so that each element can be matched whole.
metainfo="$(tr -s ' \n' ' ' <"$METAINFO")"
for element in "<id>$APP_ID</id>" "<name>$PRODUCT_NAME</name>" \
  "<summary>$DESCRIPTION</summary>" \
  "<project_license>MIT</project_license>" \
  "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" \
  "<release version=\"$VERSION_TEXT\""; do
  if grep -qF "$element" <<<"$metainfo"; then
    pass "metainfo has $element"
  else
    fail "metainfo lacks $element"
  fi
done
releases="$(grep -o '<release [^>]*version="[^"]*"' <<<"$metainfo" | wc -l)"
expect_equal "metainfo release count" 1 "$releases"

echo "-- copyright file"
COPYRIGHT_FILE="$PREFIX/share/doc/lotwheel/copyright"
for line in "Copyright: ${COPYRIGHT#Copyright (c) }" "License: Expat" \
  " Permission is hereby granted, free of charge, to any person obtaining a copy"; do
  if grep -qxF "$line" "$COPYRIGHT_FILE"; then
    pass "copyright file has: $line"
  else
    fail "copyright file lacks: $line"
  fi
done

echo "-- icons"
for size in 16 32; do
  kind="$(file -b "$PREFIX/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png")"
  case "$kind" in
    "PNG image data, $size x $size,"*) pass "${size}x${size} icon is a $size x $size PNG" ;;
    *) fail "${size}x${size} icon is '$kind'" ;;
  esac
done

echo "-- the installed program starts"
# Still running after a second means it opened its window and waits for input.
set +e
QT_QPA_PLATFORM=offscreen timeout 2 "$PREFIX/bin/lotwheel" >"$SCRATCH/run.log" 2>&1
status=$?
set -e
if [ "$status" -eq 124 ]; then
  pass "installed lotwheel runs"
else
  fail "installed lotwheel ended with status $status: $(cat "$SCRATCH/run.log")"
fi

echo "-- Debian package"
if cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$SCRATCH/deb" \
  >"$SCRATCH/cpack.log" 2>&1; then
  pass "cpack -G DEB"
else
  cat "$SCRATCH/cpack.log" >&2
  fail "cpack -G DEB"
fi
deb="$(find "$SCRATCH/deb" -maxdepth 1 -name 'lotwheel_*.deb' | head -n 1)"
if [ -z "$deb" ]; then
  fail "no lotwheel_*.deb was made"
else
  pass "made $(basename "$deb")"
  info="$(dpkg-deb --info "$deb")"
  # control_field NAME: one field of the package's control file.
  control_field() { dpkg-deb --field "$deb" "$1"; }
  expect_equal "package name" lotwheel "$(control_field Package)"
  expect_equal "package section" utils "$(control_field Section)"
  expect_equal "package maintainer" "Z.Q Project <dev@zq.example.org>" \
    "$(control_field Maintainer)"
  expect_equal "package version is the changelog's newest" \
    "$(dpkg-parsechangelog -l "$ROOT/packaging/changelog" -S Version)" \
    "$(control_field Version)"
  depends="$(control_field Depends)"
  # The libraries the binary links come from dpkg-shlibdeps, each with the
  # minimum version its symbols need: whatever package holds each library
  # on this system, under the name this release gives it. The rest are
  # written by hand.
  # owner_of LIBRARY: the package holding the library the loader finds,
  # known to dpkg under /usr or, on older systems, under the root.
  owner_of() {
    local path real
    path="$(ldconfig -p | awk -v l="$1" '$1 == l && /x86-64/ {print $NF; exit}')"
    [ -n "$path" ] || return 0
    real="$(realpath -- "$path")"
    for path in "$real" "${real#/usr}" "/usr$real"; do
      dpkg-query -S -- "$path" 2>/dev/null | sed -n '1s/:.*//p' | grep . &&
        return 0
    done
    return 0
  }
  linked_packages=()
  while read -r library; do
    owner="$(owner_of "$library")"
    if [ -n "$owner" ]; then
      linked_packages+=("$owner (>= ")
    else
      fail "lotwheel links $library, which no installed package holds"
    fi
  done < <(objdump -p "$BUILD/app/lotwheel" | awk '$1 == "NEEDED" {print $2}')
  [ ${#linked_packages[@]} -ge 4 ] ||
    fail "too few linked libraries found: ${linked_packages[*]}"
  for dependency in "${linked_packages[@]}" \
    qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic,; do
    if grep -qF ", $dependency" <<<", $depends,"; then
      pass "package depends on $dependency"
    else
      fail "package does not depend on $dependency (Depends: $depends)"
    fi
  done
  grep -q "Depends: " <<<"$info" || fail "dpkg-deb --info shows no Depends"
  contents="$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $NF}' |
    sed 's|^\./usr/||' | LC_ALL=C sort)"
  expect_equal "package contents under /usr" "$EXPECTED_FILES" "$contents"

  # Errors and warnings fail; informational tags are shown, not counted. One
  # that must stay would be explained, with its reason, in an override file
  # shipped as usr/share/lintian/overrides/lotwheel. Run as root, lintian
  # says that it had better not be: that line is noise.
  if out="$(lintian --fail-on error,warning --display-info "$deb" 2>&1)"; then
    pass "lintian: no errors or warnings"
  else
    fail "lintian"
  fi
  grep -v '^running with root privileges' <<<"$out" | sed 's/^/   /' || true

  echo "-- manual pages, as man finds them in the unpacked package"
  # man looks in the ja/ folder for a reader whose locale is Japanese;
  # C.UTF-8 is only the output's character set, present on every machine.
  dpkg-deb -x "$deb" "$SCRATCH/root"
  # man_page LOCALE WIDTH: the page as a reader in LOCALE sees it.
  man_page() {
    LANG=C.UTF-8 MANPATH="$SCRATCH/root/usr/share/man" MANWIDTH="$2" \
      man --warnings -P cat -L "$1" lotwheel
  }
  for locale in C ja_JP.UTF-8; do
    # At a terminal's width troff must not complain.
    if out="$(man_page "$locale" 80 2>&1 >/dev/null)" && [ -z "$out" ]; then
      pass "man -L $locale lotwheel sets cleanly"
    else
      fail "man -L $locale lotwheel: $out"
    fi
  done
  while IFS='|' read -r locale expected; do
    # Wide enough that no sentence is broken or hyphenated.
    if grep -qF "$expected" <<<"$(man_page "$locale" 1000 2>/dev/null)"; then
      pass "man -L $locale lotwheel says: $expected"
    else
      fail "man -L $locale lotwheel lacks '$expected': $page"
    fi
  done <<EOF
C|lotwheel - draw winners at random from a list of entrant names
C|it takes no options and ignores any arguments.
C|The program keeps no files, settings or state between runs
ja_JP.UTF-8|lotwheel - 参加者名の一覧から当選者を無作為に抽出する
ja_JP.UTF-8|オプションを取らず、引数はすべて無視します。
ja_JP.UTF-8|ファイル、設定、状態を実行間で一切保存しません。
EOF
fi

echo "-- Windows version record"
RC="$BUILD/generated/lotwheel.rc"
# Debian has no cross C compiler for windres's default preprocessor; the host
# cpp does the same job for a resource script.
if x86_64-w64-mingw32-windres --preprocessor=cpp -i "$RC" -O res \
  -o "$SCRATCH/lotwheel.res" 2>"$SCRATCH/windres.log" &&
  x86_64-w64-mingw32-windres --preprocessor=cpp -i "$RC" -O coff \
    -o "$SCRATCH/lotwheel_rc.o" 2>>"$SCRATCH/windres.log"; then
  pass "windres compiles $RC"
  # Read back from the compiled resource, not from the script.
  decompiled="$(x86_64-w64-mingw32-windres -i "$SCRATCH/lotwheel.res" -O rc)"
  trimmed="$(sed 's/^ *//; s/ *$//' <<<"$decompiled")"
  # windres writes strings beyond ASCII as L"\xNNNN..." UTF-16 escapes.
  utf16_escaped() {
    printf '%s' "$1" | iconv -f UTF-8 -t UTF-16BE | od -An -v -tx1 |
      tr -d ' \n' | sed 's/\(....\)/\\x\1/g'
  }
  for line in "FILEVERSION $VERSION_FIELDS" "PRODUCTVERSION $VERSION_FIELDS" \
    "BLOCK \"041104B0\"" \
    "VALUE \"FileDescription\", L\"$(utf16_escaped "$DESCRIPTION")\"" \
    "VALUE \"ProductName\", \"$PRODUCT_NAME\"" \
    "VALUE \"LegalCopyright\", \"$COPYRIGHT\"" \
    "VALUE \"FileVersion\", \"$VERSION_TEXT\"" \
    "VALUE \"ProductVersion\", \"$VERSION_TEXT\"" \
    "VALUE \"Translation\", 0x411, 1200"; do
    if grep -qxF "$line" <<<"$trimmed"; then
      pass "resource has: $line"
    else
      fail "resource lacks: $line"
    fi
  done
  if grep -q '^"IDI_ICON1" 14 /\* RT_GROUP_ICON \*/' <<<"$trimmed"; then
    pass "resource has the program's icon IDI_ICON1"
  else
    fail "resource lacks the icon group IDI_ICON1"
  fi
  icons="$(grep -c '^[0-9]* 3 /\* RT_ICON \*/' <<<"$decompiled" || true)"
  expect_equal "icon images in the resource" 2 "$icons"
else
  cat "$SCRATCH/windres.log" >&2
  fail "windres cannot compile $RC"
fi

if [ "$failures" -ne 0 ]; then
  echo "== packaging: $failures check(s) failed" >&2
  exit 1
fi
echo "== packaging checks passed"
