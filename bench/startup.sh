#!/usr/bin/env bash
# Start to first paint and peak RSS of Aurelion beside a bare Qt Widgets window built with the
# same toolchain (and beside the same window with a menu title and a label): the median of RUNS runs each (default 15), under a virtual X display (Xvfb)
# and on Qt's offscreen platform, with the ratios. Needs the release build with the benchmarks:
#     cmake --preset release -DAURELION_BENCHMARKS=ON && cmake --build --preset release
#     bash bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${AURELION_BUILD:-build/release}
program=$build/src/aurelion
bare=$build/bench/bare_window
bare_text=$build/bench/bare_text_window
for p in "$program" "$bare" "$bare_text"; do
  [[ -x $p ]] || { echo "$p is missing: build $build with -DAURELION_BENCHMARKS=ON" >&2; exit 1; }
done
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
xvfb-run -a -s "-screen 0 1280x1024x24" python3 bench/startup.py xcb "$runs" "$program" "$bare" "$bare_text"
python3 bench/startup.py offscreen "$runs" "$program" "$bare" "$bare_text"
