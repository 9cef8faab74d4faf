#!/usr/bin/env bash
# The render tool's peak resident memory and time for the chaos game at 10^3 .. 10^6 ticks (50
# points a tick), without and with --trace (the trace written as it goes, then removed). Uses
# GNU time's maximum resident set size. A second tool to compare with (an older build) can be
# given in BASELINE; it runs only up to BASELINE_MAX ticks (default 10000).
#     cmake --build --preset default --target aurelion-render
#     bash bench/render_memory.sh [largest tick count, default 1000000]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${AURELION_BUILD:-build/default}
render=$build/tools/render/aurelion-render
largest=${1:-1000000}
export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

measure() { # label tool ticks extra...
  local label=$1 tool=$2 ticks=$3
  shift 3
  /usr/bin/time -f '%M %e' -o "$out/time" "$tool" --seed 1 menu:M_chaos "tick:$ticks" \
    --state "$out/state.json" "$@" >/dev/null
  read -r kb seconds <"$out/time"
  local size=-
  [[ -f $out/trace.jsonl ]] && size=$(stat -c %s "$out/trace.jsonl")
  printf '%-10s %9s %10d %8.1f %14s\n' "$label" "$ticks" $((kb / 1024)) "$seconds" "$size"
  rm -f "$out/trace.jsonl"
}

printf '%-10s %9s %10s %8s %14s\n' run ticks peak-MB seconds trace-bytes
for ((ticks = 1000; ticks <= largest; ticks *= 10)); do
  measure plain "$render" "$ticks"
  measure trace "$render" "$ticks" --trace "$out/trace.jsonl"
  if [[ -n ${BASELINE:-} && $ticks -le ${BASELINE_MAX:-10000} ]]; then
    measure old-plain "$BASELINE" "$ticks"
    measure old-trace "$BASELINE" "$ticks" --trace "$out/trace.jsonl"
  fi
done
