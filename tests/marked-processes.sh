# Shared by the checks that run the program in a private world (virtual
# display, buses, input methods, screen reader): every process they start
# carries a marker variable, which it hands on to whatever it starts in turn,
# also to what a bus starts on demand; the check finds each by it and ends
# it. Source it; it defines functions only.

# stop_marked NAME VALUE: ends, by PID, every process other than this shell
# whose variable NAME is VALUE or a folder below VALUE.
stop_marked() {
  local signal pid environ
  for signal in TERM KILL; do
    for environ in /proc/[0-9]*/environ; do
      pid="${environ#/proc/}" pid="${pid%/environ}"
      [ "$pid" != $$ ] || continue
      if grep -qzE "^$1=$2(/.*)?\$" "$environ" 2>/dev/null; then
        kill -s "$signal" "$pid" 2>/dev/null || true
      fi
    done
    [ "$signal" = KILL ] || sleep 1
  done
}

# wait_for WHAT TEST...: runs TEST until it succeeds, for STEP_SECONDS at
# most; then says that WHAT did not start, and exits.
wait_for() {
  local what="$1" deadline=$((SECONDS + STEP_SECONDS))
  shift
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || { echo "FAIL: $what did not start" >&2; exit 1; }
    sleep 0.1
  done
}
