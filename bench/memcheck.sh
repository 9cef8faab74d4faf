#!/usr/bin/env bash
# Start-up and each topic under valgrind's memcheck: the render tool with no action, then with
# each of the sixteen menu commands (one run each), then the random user for a few hundred
# actions. Qt's and fontconfig's own known reports are suppressed by bench/valgrind.supp; any
# other error or definite leak fails the run. Uses the debug build (build/default) for its
# symbols:
#     cmake --preset default && cmake --build --preset default
#     bash bench/memcheck.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=${AURELION_BUILD:-build/default}
render=$build/tools/render/aurelion-render
monkey=$build/tests/aurelion-monkey
log_dir=${MEMCHECK_LOGS:-$(mktemp -d)}
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

memcheck() {
  local name=$1
  shift
  if valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite \
    --suppressions=bench/valgrind.supp --error-exitcode=99 --num-callers=40 \
    --log-file="$log_dir/$name.log" "$@" >/dev/null 2>&1; then
    echo "$name: $(grep -o 'ERROR SUMMARY: .*' "$log_dir/$name.log")"
  else
    echo "$name: FAILED, see $log_dir/$name.log"
    failed=1
  fi
}

failed=0
memcheck start-up "$render"
for m in M_gr:3 M_gr:2 M_gr:1 M_R:2 M_R:3 M_R:4 M_R:5 M_R:1 M_R:0 M_bevolk:0 M_plato M_R:6 \
  M_bevolk:1 M_gr:0 M_chaos M_Pyt; do
  extra=()
  [[ $m == M_chaos ]] && extra=(tick:20)
  [[ $m == M_plato ]] && extra=(press:0,0)
  memcheck "menu-${m/:/-}" "$render" "menu:$m" "${extra[@]}"
done
memcheck monkey "$monkey" --seed 1 --actions 300
exit $failed
