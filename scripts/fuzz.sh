#!/usr/bin/env bash
# The fuzzing tier: builds the `fuzz` preset, replays every kept crash input
# (fuzz/crashes/<target>/ of each component) as a regression, then runs every
# libFuzzer target from its seed corpus (fuzz/corpus/<target>/) for a few
# seconds.  Exits non-zero on any finding; new findings are left in
# build/fuzz/findings/<target>/.
#
#   scripts/fuzz.sh                   a few seconds per target
#   scripts/fuzz.sh --long SECONDS    that long per target
#   scripts/fuzz.sh --only TARGET     one target (with either of the above)
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=5
only=""
while [ $# -gt 0 ]; do
  case "$1" in
    --long) seconds="${2:?--long needs a number of seconds}"; shift 2 ;;
    --only) only="${2:?--only needs a target name}"; shift 2 ;;
    *) echo "usage: $0 [--long SECONDS] [--only TARGET]" >&2; exit 2 ;;
  esac
done

# Absolute paths: a target may change its working folder.
build="$PWD/build/fuzz"
cmake --preset fuzz --log-level=WARNING >/dev/null || exit 1
cmake --build --preset fuzz -j4 >/dev/null || { cmake --build --preset fuzz -j1 | tail -30; exit 1; }
[ -f "$build/fuzz-targets.txt" ] || { echo "fuzz: no list of targets" >&2; exit 1; }

# Stdout of the parsers is closed (-close_fd_mask=1): their messages would
# cost more than the parsing.  Leaks count as findings.
common=(-close_fd_mask=1 -timeout=10 -rss_limit_mb=2560 -malloc_limit_mb=2048 -print_final_stats=1)
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:symbolize=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
targets=0
while read -r name folder; do
  [ -n "$name" ] || continue
  [ -z "$only" ] || [ "$name" = "$only" ] || continue
  targets=$((targets + 1))
  program="$build/bin/$name"
  work="$build/runs/$name"
  findings="$build/findings/$name"
  mkdir -p "$work/corpus" "$findings"

  kept=("$folder/crashes/$name"/*)
  if [ -e "${kept[0]}" ]; then
    if "$program" "${common[@]}" "${kept[@]}" >"$work/replay.log" 2>&1; then
      echo "fuzz: $name: ${#kept[@]} kept inputs replayed"
    else
      echo "fuzz: $name: a kept input fails again (see $work/replay.log)"
      grep -E "invariant failed|ERROR|SUMMARY|Running:" "$work/replay.log" | tail -6
      status=1
    fi
  fi

  seeds=()
  [ -d "$folder/corpus/$name" ] && seeds=("$folder/corpus/$name")
  if "$program" "${common[@]}" -max_total_time="$seconds" -artifact_prefix="$findings/" \
       "$work/corpus" "${seeds[@]}" >"$work/run.log" 2>&1; then
    stats=$(grep -E "^#[0-9]+[[:space:]]+DONE" "$work/run.log" | tail -1 | sed 's/^#\([0-9]*\)[[:space:]]*DONE[[:space:]]*/runs \1 /')
    echo "fuzz: $name: ${seconds}s, no finding ($stats)"
  else
    echo "fuzz: $name: FINDING (input in $findings/, log $work/run.log)"
    grep -E "invariant failed|ERROR|SUMMARY|Test unit written" "$work/run.log" | tail -6
    status=1
  fi
done <"$build/fuzz-targets.txt"

# A target that aborted on a finding could not remove its private folder.
for left in /dev/shm/norq-fuzz-* /tmp/norq-fuzz-*; do
  [ -d "$left" ] || continue
  kill -0 "${left##*-}" 2>/dev/null || rm -rf "$left"
done

[ "$targets" -gt 0 ] || { echo "fuzz: no target ran" >&2; exit 1; }
if [ "$status" = 0 ]; then echo "fuzz: $targets targets, no finding"; else echo "fuzz: FINDINGS"; fi
exit $status
