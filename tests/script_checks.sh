# Sourced by the test scripts: `check NAME CONDITION` counts whether the
# condition (evaluated) holds and names each that does not; `closing_line`
# prints "SUITE: N passed, N failed", which tools/test counts. Set `suite`
# before sourcing.
passed=0
failed=0
check() {
  if eval "$2"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "$suite: $1" >&2
  fi
}
closing_line() { echo "$suite: $passed passed, $failed failed"; }
