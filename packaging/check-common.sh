# What the packaging checks share: counting failures and saying each result.
# Source it; it defines functions only, and `failures`.

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

# expect_equal WHAT EXPECTED ACTUAL
expect_equal() {
  if [ "$2" == "$3" ]; then
    pass "$1"
  else
    fail "$1: expected '$2', got '$3'"
  fi
}
