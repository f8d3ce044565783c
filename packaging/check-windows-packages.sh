#!/usr/bin/env bash
# Checks the Windows release files of a Windows build folder: makes them
# (the windows_packages target, from the program built there), then reads
# back the zip, the version records, icons, imports, manifest, exploit
# mitigations and licence notices, and under Wine, in a fresh prefix, starts
# the zip's program, installs silently, installs again over it, starts the
# installed program through its shortcut, tries to install and uninstall
# while it runs, and uninstalls silently with the registered command.
# Usage: packaging/check-windows-packages.sh BUILD_DIR
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:?usage: check-windows-packages.sh BUILD_DIR}" && pwd)"
PRODUCT_NAME="Z.Q Lotwheel for Tournament Basic"
DESCRIPTION="簡易抽選ソフトウェア"
PUBLISHER="Z.Q Project"
UNINSTALL_KEY='Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\org.example.Lotwheel'
WINFILE=("/usr/bin/python3" "$ROOT/packaging/windows/winfile.py")
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE="$(command -v wine64 || true)"
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER="$(command -v wineserver || true)"

source "$ROOT/packaging/check-common.sh"

NM=x86_64-w64-mingw32-nm
for tool in "$WINE" "$WINESERVER" makensis unzip xwininfo "$NM"; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done
"${WINFILE[0]}" -c 'import pefile' 2>/dev/null ||
  { echo "FAIL: python3-pefile is not installed" >&2; exit 1; }

VERSION_TEXT="$(sed -n 's/.*kVersionText\[\] = u"\([0-9.]*\)";/\1/p' \
  "$BUILD/generated/lotwheel_version.h")"
IFS=. read -r v_major v_minor v_revision <<<"$VERSION_TEXT"
VERSION_NUMBERS="$((10#$v_major)).$((10#$v_minor)).0.$((10#$v_revision))"
COPYRIGHT="$(grep -m1 '^Copyright ' "$ROOT/LICENSE")"

WORK="$BUILD/package-check"
PREFIX="$WORK/wineprefix"
rm -rf "$WORK"
mkdir -p "$WORK"
cleanup() {
  "$ROOT/tests/wine/wine-run" --stop "$WORK" || true
  rm -rf "$WORK"
}
trap cleanup EXIT

echo "-- making the packages"
# Anew, so that no file of an earlier version is left beside them.
rm -rf "$BUILD/packages"
cmake --build "$BUILD" --target windows_packages >"$WORK/build.log" 2>&1 ||
  { cat "$WORK/build.log" >&2; echo "FAIL: windows_packages" >&2; exit 1; }
ZIP="lotwheel-$VERSION_TEXT-win64.zip"
SETUP="lotwheel-$VERSION_TEXT-win64-setup.exe"
expect_equal "release files" "$SETUP $ZIP" \
  "$(cd "$BUILD/packages" && LC_ALL=C ls | tr '\n' ' ' | sed 's/ $//')"
ZIP="$BUILD/packages/$ZIP"
SETUP="$BUILD/packages/$SETUP"

# A fresh prefix: a copy of the build's own, which no install has touched.
"$ROOT/tests/wine/wine-prefix" "$BUILD/wineprefix"
"$ROOT/tests/wine/wine-prefix" "$PREFIX" 96 "$BUILD/wineprefix"
USER_DIR="$PREFIX/drive_c/users/$(id -un)"
WIN_USER_DIR="C:\\users\\$(id -un)"
INSTALL_DIR="AppData/Local/Programs/$PRODUCT_NAME"
SHORTCUT="AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$PRODUCT_NAME.lnk"

# windows_run PROGRAM [ARGS...]: runs a Windows program in the prefix with
# no session of tests/wine/wine-run around it, and waits until every process it
# started has ended and Wine has written the registry to disk. An
# uninstaller hands its work to a copy of itself and ends at once.
windows_run() {
  "$ROOT/tests/wine/wine-run" --stop "$WORK"
  local rc=0
  env -u DISPLAY WINEPREFIX="$PREFIX" WINELOADER="$WINE" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
    timeout 120 "$WINE" "$@" >"$WORK/run.log" 2>&1 || rc=$?
  WINEPREFIX="$PREFIX" timeout 120 "$WINESERVER" -w || rc=$?
  return "$rc"
}

# shown: whether the prefix's display shows the program's main window (Wine
# names the X window after it).
shown() {
  local number=""
  read -r number _ 2>/dev/null <"$PREFIX/.lotwheel/display" || return 1
  xwininfo -display ":$number" -root -tree 2>/dev/null |
    grep -qF "\"$PRODUCT_NAME\": (\"lotwheel.exe\" "
}

# start_program WHAT PROGRAM [ARGS...]: run through tests/wine/wine-run, the
# program shows its main window within 30 s and still shows it a second
# later; it runs on until end_program. PROGRAM may hand the start on and end
# (start.exe).
start_program() {
  local what="$1" tries=0
  shift
  LOTWHEEL_WINEPREFIX="$PREFIX" LOTWHEEL_WINE_LINGER=60 \
    "$ROOT/tests/wine/wine-run" "$@" >"$WORK/start.log" 2>&1 &
  started=$!
  until shown || [ "$tries" -ge 300 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  sleep 1
  if shown; then
    pass "$what starts and shows its window"
  else
    fail "$what did not show its window: $(cat "$WORK/start.log")"
  fi
}
end_program() {
  kill "$started" 2>/dev/null || true
  wait "$started" 2>/dev/null || true
  "$ROOT/tests/wine/wine-run" --stop "$WORK"
}
starts() {
  start_program "$@"
  end_program
}

# in_session PROGRAM [ARGS...]: runs a Windows program beside the one that
# start_program left running, and waits for it alone.
in_session() {
  LOTWHEEL_WINEPREFIX="$PREFIX" "$ROOT/tests/wine/wine-run" "$@" \
    >"$WORK/run.log" 2>&1
}

# Waits up to a minute while a Windows process of the prefix runs whose
# command line matches PATTERN (pgrep's).
wait_for_end_of() {
  local pid tries running
  for ((tries = 0; tries < 600; tries++)); do
    running=0
    for pid in $(pgrep -f -- "$1" || true); do
      if grep -qzxF "WINEPREFIX=$PREFIX" "/proc/$pid/environ" 2>/dev/null; then
        running=1
      fi
    done
    [ "$running" -eq 0 ] && return 0
    sleep 0.1
  done
  return 1
}

# Our Uninstall key's values, one NAME=VALUE a line, from the user's registry
# as Wine stores it.
registration() {
  sed -n "/^\[${UNINSTALL_KEY//\\/\\\\}\]/,/^\$/p" "$PREFIX/user.reg" |
    sed -n 's/^"\([^"]*\)"=\(.*\)$/\1=\2/p' |
    sed 's/=dword:.*$/=dword/; s/="\(.*\)"$/=\1/; s/\\"/"/g; s/\\\\/\\/g'
}
# How many Uninstall keys of the prefix carry our name.
registrations() {
  cat "$PREFIX"/*.reg | grep -cxF "\"DisplayName\"=\"$PRODUCT_NAME\"" || true
}
# The user's temporary folder (TEMP of the prefix's user environment), as a
# path under the profile: Wine releases put it in different places.
temp_folder() {
  local value
  value="$(sed -n '/^\[Environment\]/,/^$/s/^"TEMP"=\(str(2):\)\{0,1\}"\(.*\)"$/\2/p' \
    "$PREFIX/user.reg" | head -n 1)"
  value="${value//\\\\/\\}"
  value="${value/\%USERPROFILE\%/$WIN_USER_DIR}"
  [[ "${value,,}" == "${WIN_USER_DIR,,}\\"* ]] || return 1
  value="${value:${#WIN_USER_DIR}+1}"
  echo "${value//\\//}"
}
TEMP_FOLDER="$(temp_folder)" || {
  echo "FAIL: no temporary folder in the profile of $PREFIX/user.reg" >&2
  exit 1
}
# Every file of the user's profile, NSIS's temporary copy of the uninstaller
# aside (Windows removes it at the next start).
profile_files() {
  (cd "$USER_DIR" && find . -type f ! -path "./$TEMP_FOLDER/~nsu*.tmp/*" |
    LC_ALL=C sort)
}

echo "-- the zip"
# One folder, so that "extract here" puts nothing beside other downloads.
FOLDER="lotwheel-$VERSION_TEXT-win64"
expect_equal "zip contents" "$FOLDER/LICENSE.txt $FOLDER/README.txt \
$FOLDER/THIRD-PARTY-NOTICES.txt $FOLDER/lotwheel.exe" \
  "$(unzip -Z1 "$ZIP" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
unzip -q "$ZIP" -d "$WORK/portable"
PORTABLE="$WORK/portable/$FOLDER"
expect_equal "read-me's first line" "$PRODUCT_NAME $VERSION_TEXT"$'\r' \
  "$(head -n 1 "$PORTABLE/README.txt")"
for text in "■ 日本語" "■ English" "MIT" "THIRD-PARTY-NOTICES.txt"; do
  grep -qF "$text" "$PORTABLE/README.txt" || fail "read-me lacks '$text'"
done
grep -qxF "$COPYRIGHT"$'\r' "$PORTABLE/LICENSE.txt" &&
  grep -qxF "MIT License"$'\r' "$PORTABLE/LICENSE.txt" ||
  fail "LICENSE.txt is not the MIT licence with CR LF line ends"
cmp -s <(tr -d '\r' <"$PORTABLE/THIRD-PARTY-NOTICES.txt") \
  "$ROOT/packaging/windows/THIRD-PARTY-NOTICES.txt" &&
  [ "$(grep -c $'\r$' "$PORTABLE/THIRD-PARTY-NOTICES.txt")" -eq \
    "$(wc -l <"$PORTABLE/THIRD-PARTY-NOTICES.txt")" ] ||
  fail "THIRD-PARTY-NOTICES.txt is not ours with CR LF line ends"
starts "the zip's lotwheel.exe" "$PORTABLE/lotwheel.exe"

echo "-- licence notices for what the link put into lotwheel.exe"
if notices="$("${WINFILE[0]}" "$ROOT/packaging/windows/linked-notices.py" \
  "$BUILD/app/lotwheel.map" "$PORTABLE/THIRD-PARTY-NOTICES.txt" 2>&1)"; then
  pass "every linked library has its notice"
else
  fail "linked libraries without a notice: $notices"
fi
sed 's/^/   /' <<<"$notices"

echo "-- version records, icons and imports"
for exe in "$PORTABLE/lotwheel.exe" "$SETUP"; do
  record="$("${WINFILE[@]}" record "$exe")"
  for line in "machine x64" "fixed FileVersion $VERSION_NUMBERS" \
    "fixed ProductVersion $VERSION_NUMBERS" \
    "string FileVersion $VERSION_TEXT" "string ProductVersion $VERSION_TEXT" \
    "string FileDescription $DESCRIPTION" "string ProductName $PRODUCT_NAME" \
    "string CompanyName $PUBLISHER" "string LegalCopyright $COPYRIGHT"; do
    grep -qxF "$line" <<<"$record" || fail "${exe##*/} record lacks: $line"
  done
  expect_equal "${exe##*/} icons" "32x32 16 16x16 16" \
    "$("${WINFILE[@]}" icons "$exe" | tr '\n' ' ' | sed 's/ $//')"
done
expect_equal "the installer asks for no administrator" "level asInvoker" \
  "$("${WINFILE[@]}" manifest "$SETUP")"
expect_equal "the program's manifest: no administrator, UTF-8 code page" \
  "level asInvoker
code-page UTF-8" "$("${WINFILE[@]}" manifest "$PORTABLE/lotwheel.exe")"
# Load-time imports only from Windows' KnownDLLs, which the loader takes
# from System32 alone, and comctl32, which the manifest binds to its
# side-by-side version: any other DLL would be looked for beside the
# program first, where a download may have put one of the same name.
known_dlls=" advapi32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll \
msvcrt.dll ole32.dll oleaut32.dll shcore.dll shell32.dll shlwapi.dll \
user32.dll comctl32.dll "
imports="$("${WINFILE[@]}" imports "$PORTABLE/lotwheel.exe")"
echo "   lotwheel.exe imports: $(tr '\n' ' ' <<<"$imports")"
while read -r dll; do
  [[ "$known_dlls" == *" $dll "* ]] ||
    fail "lotwheel.exe imports $dll at load time, which is no KnownDLL"
done <<<"$imports"
expect_equal "lotwheel.exe: ASLR, high-entropy ASLR, DEP" "aslr on
high-entropy-aslr on
dep on" "$("${WINFILE[@]}" hardening "$PORTABLE/lotwheel.exe")"
# The stack protector, in each of our libraries (the released file has no
# symbols left to ask).
for library in engine/liblotwheel_engine.a ui/liblotwheel_ui_common.a \
  ui/win32/liblotwheel_win32.a; do
  # grep -c reads all of nm's output, which grep -q would cut short.
  [ "$("$NM" "$BUILD/$library" | grep -c ' U __stack_chk_fail$')" -gt 0 ] ||
    fail "$library is built without the stack protector"
done

echo "-- silent install into a fresh prefix"
[ ! -e "$USER_DIR/$INSTALL_DIR" ] && [ "$(registrations)" -eq 0 ] ||
  { echo "FAIL: the fresh prefix holds an install already" >&2; exit 1; }
profile_before="$(profile_files)"
rc=0
windows_run "$SETUP" /S || rc=$?
# Wine's exit status alone does not tell whether anything was installed.
if [ ! -f "$USER_DIR/$INSTALL_DIR/lotwheel.exe" ]; then
  echo "FAIL: the installer installed nothing (exit status $rc):" >&2
  cat "$WORK/run.log" >&2
  exit 1
fi
expect_equal "installer exit status" 0 "$rc"
expect_equal "installed files" \
  "LICENSE.txt README.txt THIRD-PARTY-NOTICES.txt lotwheel.exe uninstall.exe" \
  "$(cd "$USER_DIR/$INSTALL_DIR" && LC_ALL=C ls | tr '\n' ' ' | sed 's/ $//')"
cmp -s "$PORTABLE/lotwheel.exe" "$USER_DIR/$INSTALL_DIR/lotwheel.exe" ||
  fail "the installed lotwheel.exe differs from the zip's"
WIN_PROGRAM="$WIN_USER_DIR\\${INSTALL_DIR//\//\\}\\lotwheel.exe"
WIN_UNINSTALLER="${WIN_PROGRAM%\\*}\\uninstall.exe"
if [ -f "$USER_DIR/$SHORTCUT" ]; then
  expect_equal "shortcut" "target $WIN_PROGRAM
arguments 
folder ${WIN_PROGRAM%\\*}
icon $WIN_PROGRAM,0" "$("${WINFILE[@]}" link "$USER_DIR/$SHORTCUT")"
else
  fail "no Start-menu shortcut $SHORTCUT"
fi
expect_equal "uninstall registration" "DisplayIcon=$WIN_PROGRAM
DisplayName=$PRODUCT_NAME
DisplayVersion=$VERSION_TEXT
EstimatedSize=dword
InstallLocation=${WIN_PROGRAM%\\*}
NoModify=dword
NoRepair=dword
Publisher=$PUBLISHER
QuietUninstallString=\"$WIN_UNINSTALLER\" /S
UninstallString=\"$WIN_UNINSTALLER\"" "$(registration | LC_ALL=C sort)"
installed="$(profile_files)"

echo "-- installing again over it"
windows_run "$SETUP" /S || fail "the second install ended with status $?"
expect_equal "registrations after two installs" 1 "$(registrations)"
expect_equal "files after two installs" "$installed" "$(profile_files)"

echo "-- the installed program, through its shortcut"
starts "the installed program" start /wait "$WIN_USER_DIR\\${SHORTCUT//\//\\}"

quiet="$(registration | sed -n 's/^QuietUninstallString=//p')"
uninstaller="${quiet#\"}"
uninstaller="${uninstaller%%\"*}"

echo "-- installing and uninstalling while the installed program runs"
start_program "the installed program (left running)" \
  "$USER_DIR/$INSTALL_DIR/lotwheel.exe"
rc=0
in_session "$SETUP" /S || rc=$?
expect_equal "installer's exit status while the program runs" 2 "$rc"
# An NSIS uninstaller hands its work to a copy of itself in the temporary
# folder and ends at once; that copy is run here as the uninstaller runs it,
# through cmd so that the folder after _?= goes unquoted, and waited for.
cp "$USER_DIR/$INSTALL_DIR/uninstall.exe" "$WORK/uninstall-copy.exe"
rc=0
in_session cmd.exe /c "Z:${WORK//\//\\}\\uninstall-copy.exe /S _?=${WIN_PROGRAM%\\*}" ||
  rc=$?
expect_equal "uninstaller's exit status while the program runs" 2 "$rc"
# And the registered command, whose copy is waited for by its name.
in_session "$uninstaller" ${quiet##*\" } ||
  fail "the registered uninstall command ended with status $?"
wait_for_end_of '\\~nsu' || fail "the uninstaller's copy did not end"
shown || fail "the program is no longer running"
end_program
expect_equal "files after refusing while the program ran" "$installed" \
  "$(profile_files)"
expect_equal "registrations after refusing while the program ran" 1 \
  "$(registrations)"

echo "-- silent uninstall with the registered command"
windows_run "$uninstaller" ${quiet##*\" } || fail "uninstall ended with status $?"
[ ! -e "$USER_DIR/$INSTALL_DIR" ] || fail "the program's folder is still there"
[ ! -e "$USER_DIR/$SHORTCUT" ] || fail "the shortcut is still there"
expect_equal "registrations after uninstall" 0 "$(registrations)"
expect_equal "the profile's files after uninstall" "$profile_before" "$(profile_files)"
if grep -qi lotwheel "$PREFIX"/*.reg; then
  fail "the registry still names lotwheel: $(grep -i lotwheel "$PREFIX"/*.reg)"
fi

if [ "$failures" -ne 0 ]; then
  echo "== Windows packages: $failures check(s) failed" >&2
  exit 1
fi
echo "== Windows package checks passed"
