#!/usr/bin/env bash
# Time and size of the shipped example lesson's web page and answer key page, each made by the
# render tool on its own (start-up, six replayed steps and the page): the best and the median of
# RUNS runs (default 5), with the peak resident memory (GNU time) and the page's size in bytes.
#     cmake --build --preset default --target aurelion-render
#     bash bench/web_page.sh [RUNS]
# AURELION_BUILD=build/release measures the release build.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${AURELION_BUILD:-build/default}
render=$build/tools/render/aurelion-render
lesson=resources/lessons/golden-ratio.aurelion-lesson
runs=${1:-5}
export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

printf '%-12s %9s %9s %8s %8s\n' page best-s median-s peak-MB bytes
for option in --handout --answer-key; do
  : >"$out/times"
  for ((i = 0; i < runs; ++i)); do
    rm -f "$out/page.html"
    /usr/bin/time -f '%e %M' -o "$out/time" "$render" --lesson "$lesson" "$option" "$out/page.html"
    cat "$out/time" >>"$out/times"
  done
  sort -n "$out/times" >"$out/sorted"
  best=$(head -1 "$out/sorted" | cut -d' ' -f1)
  median=$(sed -n "$(((runs + 1) / 2))p" "$out/sorted" | cut -d' ' -f1)
  peak=$(sort -k2 -n "$out/times" | tail -1 | cut -d' ' -f2)
  printf '%-12s %9.2f %9.2f %8d %8d\n' "${option#--}" "$best" "$median" $((peak / 1024)) \
    "$(stat -c %s "$out/page.html")"
done
