#!/usr/bin/env bash
# The render tool's peak resident memory and time for a lesson's handout of 10, 100 and 1,000
# steps (more with a larger argument): the steps go round the sixteen topics, one menu command
# each, and every eighth step runs the chaos game for 400 ticks. Uses GNU time's maximum resident
# set size; the PDF's size and page count come with it. A second tool to compare with (an older
# build) can be given in BASELINE; it runs only up to BASELINE_MAX steps (default 100).
#     cmake --build --preset default --target aurelion-render
#     bash bench/handout_memory.sh [largest step count, default 1000]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${AURELION_BUILD:-build/default}
render=$build/tools/render/aurelion-render
largest=${1:-1000}
export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

menus=(M_gr:3 M_gr:2 M_gr:1 M_R:2 M_R:3 M_R:4 M_R:1 M_R:5 M_R:0 M_bevolk:0 M_plato M_R:6
  M_bevolk:1 M_gr:0 M_chaos M_Pyt)

lesson() { # steps
  echo "title: A handout of $1 steps"
  for ((i = 0; i < $1; ++i)); do
    echo
    echo "step: Step $((i + 1)), ${menus[i % 16]}"
    if ((i % 8 == 7)); then
      echo "seed:$i menu:M_chaos tick:400"
    else
      echo "menu:${menus[i % 16]}"
    fi
  done
}

measure() { # label tool steps
  local label=$1 tool=$2 steps=$3
  lesson "$steps" >"$out/l.aurelion-lesson"
  /usr/bin/time -f '%M %e' -o "$out/time" "$tool" --lesson "$out/l.aurelion-lesson" \
    --handout "$out/h.pdf"
  read -r kb seconds <"$out/time"
  local pages
  pages=$(pdfinfo "$out/h.pdf" | awk '/^Pages:/ { print $2 }')
  printf '%-6s %6d %10d %9.1f %9.3f %7d %10d %9d\n' "$label" "$steps" $((kb / 1024)) "$seconds" \
    "$(echo "$seconds / $steps" | bc -l)" "$pages" "$(stat -c %s "$out/h.pdf")" \
    "$(stat -c %s "$out/l.aurelion-lesson")"
  rm -f "$out/h.pdf"
}

printf '%-6s %6s %10s %9s %9s %7s %10s %9s\n' run steps peak-MB seconds s/step pages pdf-bytes \
  lesson-bytes
for ((steps = 10; steps <= largest; steps *= 10)); do
  measure now "$render" "$steps"
  if [[ -n ${BASELINE:-} && $steps -le ${BASELINE_MAX:-100} ]]; then
    measure before "$BASELINE" "$steps"
  fi
done
