#!/usr/bin/env bash
# Runs every fuzz target for a bounded time: fuzz/run.sh BUILD_DIR SECONDS [TARGET...]
# Each target starts from its seed corpus in fuzz/corpus/<target>/ and keeps
# what it finds in BUILD_DIR/corpus-run/<target>/ (never in the repository).
# A crash, a leak, an undefined behaviour or a broken invariant stops the run;
# the input that caused it lands in BUILD_DIR/artifacts/.
set -euo pipefail
build=$1
seconds=$2
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(catalogue script_lines generate save_page)
root=$(cd "$(dirname "$0")/.." && pwd)

mkdir -p "$build/artifacts"
for t in "${targets[@]}"; do
  work="$build/corpus-run/$t"
  mkdir -p "$work"
  echo "== fuzz_$t for ${seconds} s"
  if ! "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" "$work" "$root/fuzz/corpus/$t" \
      >"$build/fuzz_$t.log" 2>&1; then
    tail -n 60 "$build/fuzz_$t.log"
    echo "fuzz_$t failed; reproduce with: $build/fuzz/fuzz_$t $build/artifacts/$t-<file>" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$build/fuzz_$t.log" | sed 's/^/   /'
done
echo "fuzzing passed: ${#targets[@]} targets, ${seconds} s each"
