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

# The long-list figures move from one process to the next with what the
# machine does besides (memory taken back by the host, disk write-back), so
# three processes run and the median of each ratio is reported.
echo "== Generate, page and preview file; long lists (3 processes)"
runs=$build/bench-generate-runs.txt
: >"$runs"
for run in 1 2 3; do
  "$bench/bench_generate" "$bin" --benchmark_min_time=0.2 --benchmark_repetitions=7 \
    --benchmark_report_aggregates_only=true --benchmark_enable_random_interleaving=true --benchmark_color=false | tee "$build/bench-generate-$run.txt" |
    sed "s/^RATIO/run $run:/" | tee -a "$log"
  grep '^RATIO' "$build/bench-generate-$run.txt" >>"$runs"
done
# Every ratio line once, its value the median of the three runs.
awk '{
    value = ""; for (i = 2; i <= NF; i++) if ($i ~ /^[0-9]+\.[0-9]+$/) { value = $i; at = i; break }
    key = $0; sub(/ +[0-9]+\.[0-9]+ .*$/, "", key); sub(/ +[0-9]+\.[0-9]+$/, "", key)
    target = ""; for (i = at + 1; i <= NF; i++) target = target " " $i
    if (!(key in n)) order[++count] = key
    v[key, ++n[key]] = value; t[key] = target
  }
  END {
    for (k = 1; k <= count; k++) {
      key = order[k]; m = n[key]
      for (i = 1; i <= m; i++) s[i] = v[key, i]
      for (i = 1; i <= m; i++) for (j = i + 1; j <= m; j++) if (s[j] + 0 < s[i] + 0) { x = s[i]; s[i] = s[j]; s[j] = x }
      all = ""; for (i = 1; i <= m; i++) all = all (i > 1 ? " " : "") v[key, i]
      printf "%-64s %7.2f %s  [runs: %s]\n", key " (median of " m ")", s[int((m + 1) / 2)], t[key], all
    }
  }' "$runs" | tee -a "$log"

echo "== zentrava-cli against cat"
"$bench/bench_processes" cli "$bin" "$rounds" | tee -a "$log"

if [ -x "$bench/bench_menu_list" ]; then
  echo "== a menu form with 10,000 entries in the app (offscreen platform)"
  QT_QPA_PLATFORM=offscreen "$bench/bench_menu_list" "$bin" 2>/dev/null | tee -a "$log"
fi

if [ -x "$bin/zentrava" ] && [ -x "$bench/bench_empty_window" ]; then
  # Without a display both run on Qt's offscreen platform; with xvfb-run the
  # same figures are taken again against a real X server.
  echo "== desktop app against an empty Qt Widgets window (offscreen platform)"
  QT_QPA_PLATFORM=offscreen "$bench/bench_processes" startup "$bin/zentrava" "$bench/bench_empty_window" "$rounds" \
    | sed 's/^RATIO app/RATIO [offscreen] app/' | tee -a "$log"
  QT_QPA_PLATFORM=offscreen "$bench/bench_processes" memory "$bin/zentrava" "$bench/bench_empty_window" 3 \
    | sed 's/^RATIO app/RATIO [offscreen] app/' | tee -a "$log"
  if command -v xvfb-run >/dev/null && [ -x "$bench/bench_live_preview" ]; then
    echo "== Live Preview: a parameter change to the new page's first paint, against a bare web view (Xvfb)"
    xvfb-run -a -s "-screen 0 1920x1080x24" env QT_QPA_PLATFORM=xcb \
      "$bench/bench_live_preview" "$bin" "$rounds" 2>/dev/null | tee -a "$log"
  fi
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
