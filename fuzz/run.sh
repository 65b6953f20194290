#!/usr/bin/env bash
# Runs every fuzz target of BUILD_DIR for SECONDS each, one after the other, on a copy of the
# corpus the project ships (what a run finds stays out of the repository). Fails at the end
# when any target crashed, hung, leaked or found a round-trip difference; the input that did it
# is kept in BUILD_DIR/fuzz-artifacts/ and each target's whole log in BUILD_DIR/fuzz-logs/.
#
#   fuzz/run.sh BUILD_DIR SECONDS [TARGET...]
set -uo pipefail
build=$(cd "$1" && pwd) || { echo "fuzz: no build folder $1 (make fuzz-build makes it)"; exit 2; }
seconds=$2
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(scanner import makehtml settings codec)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/fuzz-artifacts" "$build/fuzz-logs"

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export LSAN_OPTIONS=suppressions=$here/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=()
for target in "${targets[@]}"; do
  corpus=$work/$target
  cp -r "$here/corpus/$target" "$corpus"
  log=$build/fuzz-logs/$target.log
  echo "== $target: ${seconds} s on $(ls "$corpus" | wc -l) seed files"
  "$build/fuzz/${target}_fuzz" "$corpus" -dict="$here/varkit.dict" -max_total_time="$seconds" \
      -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/fuzz-artifacts/$target-" >"$log" 2>&1
  status=$?
  grep -E '^(INFO: seed corpus|#[0-9]+ +DONE|Done [0-9]+ runs)' "$log"
  grep -E '^stat::number_of_executed_units' "$log"
  if [ $status -ne 0 ]; then
    echo "== $target FAILED (exit $status); the end of $log:"
    tail -n 60 "$log"
    failed+=("$target")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: ${#failed[@]} failed: ${failed[*]}"
  exit 1
fi
echo "fuzz: ${#targets[@]} targets ran clean"
