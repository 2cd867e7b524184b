#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each fuzz target for a fixed time on a scratch copy of its seed corpus
# and fails on any crash, leak, timeout or sanitizer report. Inputs that
# failed are kept in BUILD_DIR/fuzz-artifacts/<target>/.
#
# Usage: fuzz/run.sh BUILD_DIR SECONDS
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR SECONDS" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
targets=(resin_db case_file number)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/veredod-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:allocator_may_return_null=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

failed=()
for target in "${targets[@]}"; do
  exe="$build/fuzz/fuzz_$target"
  if [ ! -x "$exe" ]; then
    echo "fuzz_$target is not built in $build" >&2
    exit 2
  fi
  corpus="$scratch/corpus-$target"
  artifacts="$scratch/artifacts-$target"
  log="$scratch/$target.log"
  mkdir -p "$corpus" "$artifacts"
  cp -R "$here/corpus/$target/." "$corpus/"

  echo "== fuzz_$target for ${seconds}s"
  status=0
  "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1 || status=$?
  if [ "$status" -eq 0 ] &&
    ! grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|^SUMMARY: ' "$log"; then
    grep -E '^stat::number_of_executed_units|^Done [0-9]+ runs' "$log" | sed 's/^/   /' || true
  else
    echo "fuzz_$target FAILED (exit $status):" >&2
    tail -n 60 "$log" >&2
    mkdir -p "$build/fuzz-artifacts/$target"
    cp -R "$artifacts/." "$build/fuzz-artifacts/$target/"
    echo "failing inputs kept in $build/fuzz-artifacts/$target" >&2
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzzing failed: ${failed[*]}" >&2
  exit 1
fi
echo "fuzzing passed: ${targets[*]}"
