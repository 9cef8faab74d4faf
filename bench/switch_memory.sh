#!/usr/bin/env bash
# The memory of topic switches in the render tool: its peak resident memory (GNU time's maximum
# resident set) after 1,000 and after 16,000 action words, once with the sixteen menu commands in
# turn and once with one menu command and pointer moves, so that the words' own memory counts the
# same in both. Fails when a switch costs more than 256 bytes beyond a move. A second tool to
# compare with (an older build) can be given in BASELINE. With the benchmarks built
# (AURELION_BENCHMARKS=ON), aurelion-switch-memory then counts the heap of 16,000 switches in the
# window itself.
#     cmake --build --preset default --target aurelion-render
#     bash bench/switch_memory.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=${AURELION_BUILD:-build/default}
render=$build/tools/render/aurelion-render
export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

words() { # kind count
  python3 - "$1" "$2" <<'EOF'
import sys
kind, count = sys.argv[1], int(sys.argv[2])
menus = ['M_gr:3', 'M_gr:2', 'M_gr:1', 'M_R:2', 'M_R:3', 'M_R:4', 'M_R:5', 'M_R:1', 'M_R:0',
         'M_bevolk:0', 'M_plato', 'M_R:6', 'M_bevolk:1', 'M_gr:0', 'M_chaos', 'M_Pyt']
if kind == 'switches':
    print(' '.join('menu:' + menus[i % 16] for i in range(count)))
else:
    print(' '.join(['menu:M_R:2'] + ['move:0.5,0.5'] * (count - 1)))
EOF
}

peak_kb() { # tool kind count
  # shellcheck disable=SC2046
  /usr/bin/time -f '%M' -o "$out/time" "$1" --seed 1 $(words "$2" "$3") \
    --state "$out/state.json" >/dev/null 2>&1
  cat "$out/time"
}

failed=0
for tool in "$render" ${BASELINE:+"$BASELINE"}; do
  s1=$(peak_kb "$tool" switches 1000)
  s16=$(peak_kb "$tool" switches 16000)
  m1=$(peak_kb "$tool" moves 1000)
  m16=$(peak_kb "$tool" moves 16000)
  per_switch=$(((s16 - s1 - (m16 - m1)) * 1024 / 15000))
  printf '%s\n  switches: %6d kB after 1,000, %6d kB after 16,000\n' "$tool" "$s1" "$s16"
  printf '  moves:    %6d kB after 1,000, %6d kB after 16,000\n' "$m1" "$m16"
  printf '  a switch beyond a move: %d bytes\n' "$per_switch"
  [[ $tool == "$render" && $per_switch -gt 256 ]] && failed=1
done
if [[ -x $build/bench/aurelion-switch-memory ]]; then
  "$build/bench/aurelion-switch-memory" 16000 2>/dev/null || failed=1
fi
exit $failed
