#!/usr/bin/env bash
# Builds every target (native, the i686 product, its 64-bit twin) and runs
# every test: native unit tests under the sanitizers, host checks of the
# product's binaries, the fuzzing tier (scripts/fuzz.sh, a few seconds per
# target), the Windows tests under Wine with their own Xvfb, and in the
# optimised native build (native-release) every benchmark's quick mode.
# Exits non-zero when any build or test fails.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || exit 1

status=0
step() { # name, command...
  local name="$1"; shift
  echo "== $name"
  if ! "$@"; then
    echo "== $name: FAILED"
    status=1
  fi
}

for preset in native native-release windows windows64; do
  step "configure $preset" cmake --preset "$preset" --log-level=WARNING >/dev/null || continue
  step "build $preset" cmake --build --preset "$preset"
done
[ "$status" = 0 ] || { echo "build failed"; exit 1; }

step "format" bash scripts/check-format.sh
step "tests: native (ASan, UBSan)" ctest --preset native
step "fuzz: every target briefly, every kept input" bash scripts/fuzz.sh
step "benchmarks: native-release (quick)" ctest --preset native-release
step "checks: i686 product binaries" ctest --preset windows --no-tests=ignore
step "tests: Windows under Wine" ctest --preset windows64

if [ "$status" = 0 ]; then echo "ALL TESTS PASSED"; else echo "SOME TESTS FAILED"; fi
exit $status
