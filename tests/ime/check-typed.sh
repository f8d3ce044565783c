#!/usr/bin/env bash
# Types Japanese into the Linux program through real input methods (ibus and
# fcitx5, each with mozc and with anthy) and checks that what the user sees
# in a box is what is added and drawn: a conversion committed with Return, a
# full-width count, and Alt+A and Alt+S pressed while a word is still being
# composed. Each input method runs with a session bus and a home of its own
# on a virtual display, as an ordinary user (mozc refuses root); every
# process started here is ended on exit.
# Usage: tests/ime/check-typed.sh BUILD_DIR [INPUT_METHOD...]
# where an input method is FRAMEWORK:ENGINE: ibus:mozc-jp, ibus:anthy,
# fcitx5:mozc, fcitx5:anthy, and where uim has a module for Qt 6,
# uim:anthy-utf8 and uim:mozc. All but uim:mozc if none is named.
set -euo pipefail

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$HERE/../marked-processes.sh"
STEP_SECONDS=15 # longest wait for one step to show
KEPT_SECONDS=3  # how long a key taken by the input method is waited for

# Every process started here carries this variable, also those that a bus
# starts on demand: it names the run's folder, or a round's folder in it.
RUN_VARIABLE=LOTWHEEL_IME_RUN

# The first part, run by the caller: a copy of the program and of these
# files that any user can read, the display, and the rounds, run as nobody
# when the caller is root.
main() {
  local build scratch display status=0
  build="$(cd "${1:?usage: check-typed.sh BUILD_DIR [INPUT_METHOD...]}" && pwd)"
  shift
  local methods=("$@")
  if [ $# -eq 0 ]; then
    methods=(ibus:mozc-jp ibus:anthy fcitx5:mozc fcitx5:anthy)
    # uim reaches Qt 6 programs from Debian 13 on.
    if compgen -G "/usr/lib/*/qt6/plugins/platforminputcontexts/libuim*" \
      >/dev/null; then
      methods+=(uim:anthy-utf8)
    fi
  fi
  scratch="$(mktemp -d /tmp/lotwheel-ime.XXXXXX)"
  export "$RUN_VARIABLE=$scratch"
  # shellcheck disable=SC2064 # the folder is known now
  trap "stop_marked $RUN_VARIABLE '$scratch'; rm -rf '$scratch'" EXIT
  trap 'exit 1' INT TERM
  mkdir "$scratch/ime" "$scratch/rounds"
  cp "$build/app/lotwheel" "$scratch/"
  cp "$HERE/check-typed.sh" "$HERE/window_state.py" "$scratch/ime/"
  cp "$HERE/../marked-processes.sh" "$scratch/"
  chmod -R a+rX "$scratch"

  # A display that no X server holds: one in another root leaves no lock
  # file here, only its sockets.
  display=90
  while [ -e "/tmp/.X$display-lock" ] ||
    grep -q "/tmp/.X11-unix/X$display\$" /proc/net/unix; do
    display=$((display + 1))
  done
  Xvfb ":$display" -screen 0 800x600x24 -nolisten tcp \
    >"$scratch/xvfb.log" 2>&1 &
  wait_for "the virtual display" env DISPLAY=":$display" xdotool \
    getdisplaygeometry

  local as_user=()
  if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    chown 65534:65534 "$scratch/rounds"
  fi
  "${as_user[@]}" env -i PATH=/usr/bin:/bin "$RUN_VARIABLE=$scratch" \
    DISPLAY=":$display" /bin/bash "$scratch/ime/check-typed.sh" \
    --rounds "$scratch" "${methods[@]}" || status=$?
  if [ "$status" -ne 0 ]; then
    rm -rf "$build/ime-logs"
    mkdir "$build/ime-logs"
    (cd "$scratch/rounds" && find . -name '*.log' -exec cp --parents {} \
      "$build/ime-logs/" \;)
    echo "The logs of the failed run: $build/ime-logs" >&2
  fi
  return "$status"
}

# The second part, as the user that types: one round per input method.
rounds() {
  SCRATCH="$1"
  shift
  local method failures=0
  for method in "$@"; do
    round "${method%%:*}" "${method#*:}" || failures=$((failures + 1))
  done
  if [ "$failures" -ne 0 ]; then
    echo "== typed through input methods: $failures round(s) failed" >&2
    exit 1
  fi
  echo "== what was typed through each input method is what was added and" \
    "drawn (${SECONDS} s)"
}

# round FRAMEWORK ENGINE: a fresh world, the input method, the program and
# the keys, in a subshell whose processes end with it.
round() (
  local dir="$SCRATCH/rounds/$1-$2"
  export "$RUN_VARIABLE=$dir"
  trap 'stop_marked "$RUN_VARIABLE" "$dir"' EXIT
  export HOME="$dir/home" XDG_RUNTIME_DIR="$dir/run"
  export XDG_CONFIG_HOME="$dir/home/.config" XDG_CACHE_HOME="$dir/cache"
  # Settings in a file, read by every process of the input method.
  export GSETTINGS_BACKEND=keyfile LC_ALL=C.UTF-8 LANG=C.UTF-8
  mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  echo "-- $1 with $2"

  dbus-daemon --session --address="unix:path=$dir/bus" --nofork \
    --nopidfile >"$dir/dbus.log" 2>&1 &
  wait_for "the session bus" test -S "$dir/bus"
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/bus"
  "start_$1" "$2" "$dir"

  export QT_IM_MODULE="$1" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  "$SCRATCH/lotwheel" >"$dir/program.log" 2>&1 &
  wait_for "the program" xdotool search --onlyvisible --name "^Z.Q Lotwheel"
  xdotool search --onlyvisible --name "^Z.Q Lotwheel" windowfocus
  wait_for "the program's accessible window" state
  type_and_check
)

start_ibus() {
  local engine="$1" dir="$2"
  # Both engines start in hiragana: the virtual display's keymap has no
  # Hankaku/Zenkaku key to switch with.
  mkdir -p "$XDG_CONFIG_HOME/mozc"
  cat >"$XDG_CONFIG_HOME/mozc/ibus_config.textproto" <<EOF
engines {
  name: "mozc-jp"
  longname: "Mozc"
  layout: "default"
  rank: 80
}
active_on_launch: True
EOF
  # What anthy is composing when the program finishes input: Qt 6.4
  # (Debian 12) commits it; later Qt (6.8, Debian 13) does what anthy's
  # setting for leaving a box says, which is to drop it unless told to
  # commit, on a click as well. Told so under Qt 6.4, it would come twice.
  local anthy=(input-mode=0)
  if dpkg --compare-versions "$(pkg-config --modversion Qt6Gui)" ge 6.8; then
    anthy+=(behavior-on-focus-out=1)
  fi
  mkdir -p "$XDG_CONFIG_HOME/glib-2.0/settings"
  printf '%s\n' '[org/freedesktop/ibus/engine/anthy/common]' "${anthy[@]}" \
    >"$XDG_CONFIG_HOME/glib-2.0/settings/keyfile"
  # Where the daemon writes its address and where its clients, the
  # program's among them, read it.
  export IBUS_ADDRESS_FILE="$dir/ibus-address"
  ibus-daemon --panel=disable --emoji-extension=disable \
    --address="unix:path=$dir/ibus" >"$dir/ibus.log" 2>&1 &
  wait_for "ibus with $engine" ibus_uses "$engine"
}
ibus_uses() {
  ibus engine "$1" 2>/dev/null || true
  [ "$(ibus engine)" = "$1" ]
}

start_fcitx5() {
  local engine="$1" dir="$2"
  mkdir -p "$XDG_CONFIG_HOME/fcitx5"
  cat >"$XDG_CONFIG_HOME/fcitx5/profile" <<EOF
[Groups/0]
Name=Default
Default Layout=us
DefaultIM=$engine

[Groups/0/Items/0]
Name=keyboard-us

[Groups/0/Items/1]
Name=$engine

[GroupOrder]
0=Default
EOF
  # On at once, in the input method's own starting mode.
  printf '[Behavior]\nActiveByDefault=True\n' >"$XDG_CONFIG_HOME/fcitx5/config"
  fcitx5 >"$dir/fcitx5.log" 2>&1 &
  wait_for "fcitx5" fcitx5-remote
}

start_uim() {
  local engine="$1" mode="${1//-/_}"
  # Read by the uim library that Qt's uim module loads into the program,
  # which looks for ~/.uim in the account's home, not in $HOME.
  export LIBUIM_USER_SCM_FILE="$HOME/.uim"
  cat >"$LIBUIM_USER_SCM_FILE" <<EOF
(define default-im-name '$engine)
(define default-widget_${mode}_input_mode 'action_${mode}_hiragana)
EOF
}

# What the window shows, a line each: the input list, the output list, the
# entry box, the count box, any message box.
state() { "$SCRATCH/ime/window_state.py" lotwheel; }

# expect WHAT EXPECTED: waits until what the window shows matches EXPECTED,
# an extended regular expression.
expect() {
  local what="$1" expected="$2" deadline=$((SECONDS + STEP_SECONDS))
  until [[ "$(state 2>/dev/null)" =~ ^${expected}$ ]]; do
    if ((SECONDS >= deadline)); then
      echo "FAIL: after $what the window shows:" >&2
      state 2>&1 | sed 's/^/    /' >&2
      echo "  and not:" >&2
      echo "$expected" | sed 's/^/    /' >&2
      exit 1
    fi
    sleep 0.3
  done
  echo "$what: $(state | paste -sd'|' | sed 's/|/ | /g')"
}

# press_unfinished KEY WHAT EXPECTED: presses KEY while a word is still
# being composed. Either the input method keeps the key, and nothing
# changes until Return has committed the word and KEY is pressed again, or
# the window gets it and must show EXPECTED at once; never anything else.
press_unfinished() {
  local key="$1" what="$2" expected="$3" before
  before="$(state)"
  keys "$key"
  sleep "$KEPT_SECONDS"
  if [ "$(state)" = "$before" ]; then
    echo "$what: kept by the input method; Return, then $key again"
    keys Return "$key"
  fi
  expect "$what" "$expected"
}

keys() { xdotool key --delay 80 "$@"; }
typed() { xdotool type --delay 80 "$1"; }

type_and_check() {
  keys Tab Tab # to the entry box
  typed yamada
  keys space Return Return
  typed satou
  keys Return
  expect "yamada, Space, Return, Return, satou, Return" \
    "$(printf '0: \n0: \n山田⏎さとう\n0')"
  keys alt+a
  expect "Alt+A" "$(printf '2: 山田 / さとう\n0: \n山田⏎さとう\n0')"
  keys alt+t
  typed 2
  keys Return
  expect "Alt+T, 2, Return" \
    "$(printf '2: 山田 / さとう\n0: \n山田⏎さとう\n(２|2)')"
  keys alt+s
  expect "Alt+S" "$(printf '0: \n2: さとう / 山田\n山田⏎さとう\n(２|2)')"

  keys alt+c alt+i Tab Tab # cleared, back to the entry box
  typed yamada
  keys space Return Return
  typed tanaka
  press_unfinished alt+a "yamada, Space, Return, Return, tanaka, Alt+A" \
    "$(printf '2: 山田 / たなか\n0: \n山田⏎たなか\n(２|2)')"
  keys alt+t
  typed 0
  press_unfinished alt+s "Alt+T, 0, Alt+S" \
    "$(printf '0: \n2: たなか / 山田\n山田⏎たなか\n(０|0)')"
}

if [ "${1:-}" = --rounds ]; then
  shift
  rounds "$@"
else
  main "$@"
fi
