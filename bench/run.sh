#!/usr/bin/env bash
# Runs every benchmark of a build made with -DZENTRAVA_BENCH=ON and prints
# each figure as a ratio against its floor: bench/run.sh BUILD_DIR
# ROUNDS (default 15) sets the rounds of the process benchmarks.
set -euo pipefail
build=$1
bin=$build/bin
bench=$build/bench
rounds=${ROUNDS:-15}
log=$build/bench-results.txt
: >"$log"

echo "== machine"
{
  echo "cores: $(nproc)"
  echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
  echo "memory: $(awk '/MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo)"
  echo "kernel: $(uname -r)"
} | tee -a "$log"

echo "== Generate, page and preview file; long lists"
"$bench/bench_generate" "$bin" --benchmark_min_time=0.2 --benchmark_repetitions=7 \
  --benchmark_report_aggregates_only=true --benchmark_color=false | tee -a "$log"

echo "== zentrava-cli against cat"
"$bench/bench_processes" cli "$bin" "$rounds" | tee -a "$log"

if [ -x "$bin/zentrava" ] && [ -x "$bench/bench_empty_window" ]; then
  # Without a display both run on Qt's offscreen platform; with xvfb-run the
  # same figures are taken again against a real X server.
  echo "== desktop app against an empty Qt Widgets window (offscreen platform)"
  QT_QPA_PLATFORM=offscreen "$bench/bench_processes" startup "$bin/zentrava" "$bench/bench_empty_window" "$rounds" \
    | sed 's/^RATIO app/RATIO [offscreen] app/' | tee -a "$log"
  QT_QPA_PLATFORM=offscreen "$bench/bench_processes" memory "$bin/zentrava" "$bench/bench_empty_window" 3 \
    | sed 's/^RATIO app/RATIO [offscreen] app/' | tee -a "$log"
  if command -v xvfb-run >/dev/null; then
    echo "== desktop app against an empty Qt Widgets window (Xvfb)"
    xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
      "$bench/bench_processes" startup "$bin/zentrava" "$bench/bench_empty_window" "$rounds" \
      | sed 's/^RATIO app/RATIO [xcb] app/' | tee -a "$log"
    xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
      "$bench/bench_processes" memory "$bin/zentrava" "$bench/bench_empty_window" 3 \
      | sed 's/^RATIO app/RATIO [xcb] app/' | tee -a "$log"
  fi
else
  echo "RATIO app start-up and memory: not measured, the desktop app was not built" | tee -a "$log"
fi

echo
echo "== ratios (also in $log)"
grep '^RATIO' "$log" | sed 's/^RATIO //'
