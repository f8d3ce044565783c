#!/usr/bin/env bash
# Runs the Linux program under the Orca screen reader, driven by the keyboard
# alone, and checks what Orca says: that adding and drawing are read out
# wherever the focus is, that a list taking the focus reads its current row,
# and that the version window reads its version line. Everything runs in a
# private world (virtual display, session bus, accessibility bus, speech
# server sending its sound to ALSA's null device) that is ended on exit.
# Usage: tests/orca/check-spoken.sh BUILD_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../marked-processes.sh"

BUILD="$(cd "${1:?usage: check-spoken.sh BUILD_DIR}" && pwd)"
PROGRAM="$BUILD/app/lotwheel"
# The build's version, as a pattern, which the version window must say.
version="$(sed -n 's/.*kVersionText\[\] = u"\([0-9.]*\)";/\1/p' \
  "$BUILD/generated/lotwheel_version.h" | sed 's/\./\\./g')"
[ -n "$version" ] || { echo "FAIL: no version text in $BUILD/generated" >&2; exit 1; }
STEP_SECONDS=10 # longest wait for one thing to be said
SCRATCH="$(mktemp -d /tmp/lotwheel-orca.XXXXXX)"
LOG="$SCRATCH/orca.log"

# Every process started here inherits this variable, also those that the
# buses start on demand; on exit each is found by it and ended.
export LOTWHEEL_ORCA_RUN="$SCRATCH"
finish() {
  stop_marked LOTWHEEL_ORCA_RUN "$SCRATCH"
  rm -rf "$SCRATCH"
}
trap finish EXIT
trap 'exit 1' INT TERM

# A home and desktop directories of its own: nothing is read from or left
# in the user's, and it runs the same as root on a build machine.
export HOME="$SCRATCH/home" XDG_RUNTIME_DIR="$SCRATCH/run"
export XDG_CONFIG_HOME="$SCRATCH/config" XDG_DATA_HOME="$SCRATCH/data"
export XDG_CACHE_HOME="$SCRATCH/cache" GSETTINGS_BACKEND=memory
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" \
  "$XDG_CACHE_HOME" "$SCRATCH/speech"
chmod 700 "$XDG_RUNTIME_DIR"
export LC_ALL=C.UTF-8 LANG=C.UTF-8

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$SCRATCH/display" \
  >"$SCRATCH/xvfb.log" 2>&1 &
wait_for "the virtual display" test -s "$SCRATCH/display"
DISPLAY=":$(cat "$SCRATCH/display")"
export DISPLAY

dbus-daemon --session --address="unix:path=$SCRATCH/bus" --nofork \
  --nopidfile >"$SCRATCH/dbus.log" 2>&1 &
wait_for "the session bus" test -S "$SCRATCH/bus"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$SCRATCH/bus"

cat >"$SCRATCH/speech/speechd.conf" <<EOF
LogDir "$SCRATCH/speech"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "/etc/speech-dispatcher/modules/espeak-ng.conf"
DefaultModule espeak-ng
EOF
speech-dispatcher --run-single --timeout 0 --config-dir "$SCRATCH/speech" \
  --communication-method unix_socket --socket-path "$SCRATCH/speech.sock" \
  >"$SCRATCH/speech/server.out" 2>&1 &
wait_for "the speech server" test -S "$SCRATCH/speech.sock"
export SPEECHD_ADDRESS="unix_socket:$SCRATCH/speech.sock"

# Orca with its debug log written a line at a time, so that each line can be
# waited for as it is spoken. It would refuse to start beside another Orca of
# the same user, which is none of this run's business.
/usr/bin/python3 - "$LOG" >"$SCRATCH/orca.out" 2>&1 <<'PYTHON' &
import importlib.machinery
import importlib.util
import sys

loader = importlib.machinery.SourceFileLoader("orca_command", "/usr/bin/orca")
command = importlib.util.module_from_spec(
    importlib.util.spec_from_loader(loader.name, loader))
loader.exec_module(command)
from orca import debug  # noqa: E402

debug.debugLevel = debug.LEVEL_INFO
debug.debugFile = open(sys.argv[1], "w", buffering=1)
command.otherOrcas = lambda: []
sys.argv = ["orca"]
sys.exit(command.main())
PYTHON
wait_for "Orca" grep -q "SPEECH OUTPUT: 'Screen reader on" "$LOG"

# Everything Orca says from line $mark of its log on, one utterance a line,
# without the voice that its log names after each.
VOICE="( ?voice=[a-z]+)? ?(\{.*\}|\[.*\])"
spoken() {
  tail -n +"$((mark + 1))" "$LOG" |
    sed -nE "s/^[0-9:.]+ - SPEECH OUTPUT: '(.*)'$VOICE?$/\1/p" | sed 's/ *$//'
}
# What a listener hears in an utterance, as the steps match it: Orca
# releases differ in a closing full stop and in whether they say
# "notification" before an announcement, neither of which carries anything.
heard() { spoken | sed -E 's/^notification //; s/\.$//'; }
# step WHAT PATTERN KEYS...: presses the keys, then waits until Orca has said
# a line matching PATTERN (extended regex, whole line, as heard() gives it),
# and shows all it said.
# The first step that fails ends the run, keeping Orca's log in the build.
step() {
  local what="$1" pattern="$2" deadline=$((SECONDS + STEP_SECONDS))
  shift 2
  mark=$(wc -l <"$LOG")
  "$@"
  until heard | grep -qxE "$pattern"; do
    if ((SECONDS >= deadline)); then
      echo "FAIL: after $what Orca did not say /$pattern/; it said:" >&2
      spoken | sed 's/^/    /' >&2
      cp "$LOG" "$BUILD/orca-debug.log"
      echo "Orca's debug log: $BUILD/orca-debug.log" >&2
      exit 1
    fi
    sleep 0.1
  done
  sleep 0.3 # what follows at once belongs to this step too
  echo "$what: $(spoken | paste -sd'|' | sed 's/|/ | /g')"
}
keys() { xdotool key --delay 60 "$@"; }
type_names() {
  xdotool type --delay 30 Aoki
  keys Return
  xdotool type --delay 30 Ishii
  keys Return
  xdotool type --delay 30 Ueda
}

title="Z.Q Lotwheel for Tournament Basic"
# With no window manager, the window gets the keyboard focus from us.
start_program() {
  "$PROGRAM" >"$SCRATCH/program.log" 2>&1 &
  wait_for "the program" xdotool search --onlyvisible --name "^$title\$"
  xdotool search --onlyvisible --name "^$title\$" windowfocus
}

# The main window is named as a frame when it opens; on coming back to it
# Orca may name the window alone.
step "start" "$title( frame)?" start_program
names="(Aoki|Ishii|Ueda)"
step "Tab, Tab to the entry box" "入力ソースへ追加 text" keys Tab Tab
step "three names typed, Alt+A" "3件を追加しました。入力ソースは3件です。" \
  eval 'type_names; keys alt+a'
step "Alt+I to the input list" "Aoki" keys alt+i
step "Down" "Ishii" keys Down
step "Alt+T, count 2" "2" eval 'keys alt+t; xdotool type 2'
step "Alt+S" "2件を抽出しました: $names、$names。入力ソースの残りは1件です。" \
  keys alt+s
# More than are left: the refusal is said, in whatever words Orca puts
# around a message box, and OK takes it away again.
step "Alt+T, count 5, Alt+S" ".*人数が足りません.*" \
  eval 'keys alt+t ctrl+a; xdotool type 5; keys alt+s'
step "Return on the message" "($title( frame)?|当選人数.*)" keys Return
# The version line, said alone or after the window's name, once or more.
step "Alt+V" "($title Version Infomation dialog )?Version:$version( Version:$version)*" \
  keys alt+v
step "Escape" "$title( frame)?" keys Escape

echo "Orca said what was expected at every step (${SECONDS} s)"
