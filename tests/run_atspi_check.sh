#!/usr/bin/env bash
# The accessibility check of the real program (atspi_check.py) on a virtual X display of its own
# and in a D-Bus session of its own, where the desktop's accessibility bus starts on demand.
#     run_atspi_check.sh PROGRAM
# Exit status 77 (skipped) only where no D-Bus session can start; a missing package fails.
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

missing=()
for command in Xvfb dbus-run-session xdotool; do
  command -v "$command" >/dev/null || missing+=("$command")
done
[[ -x /usr/libexec/at-spi-bus-launcher ]] || missing+=("at-spi-bus-launcher (at-spi2-core)")
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing+=("pyatspi of /usr/bin/python3 (python3-pyatspi)")
if ((${#missing[@]})); then
  echo "missing: ${missing[*]}; 'bash scripts/setup.sh test' installs them" >&2
  exit 1
fi
if ! dbus-run-session -- true 2>/dev/null; then
  echo "SKIPPED: no D-Bus session can start here, so there is no accessibility bus to check" >&2
  exit 77
fi

state=$(mktemp -d)
xvfb=
# The session's accessibility bus goes with the session; the display a moment later, when nothing
# holds it any more.
trap '[[ -n $xvfb ]] && { sleep 0.5; kill "$xvfb" 2>/dev/null; }; wait 2>/dev/null; rm -rf "$state"' EXIT
# The server picks a free display itself and writes its number to fd 3: no race with other
# servers starting at the same time. -noreset: a client leaving does not reset the server under
# the next one starting (which fails to connect while it resets).
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$state/display" 2>"$state/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do
  [[ -s $state/display ]] && break
  sleep 0.05
done
if [[ ! -s $state/display ]]; then
  echo "Xvfb did not start: $(cat "$state/xvfb.log")" >&2
  exit 1
fi
DISPLAY=:$(tr -dc '0-9' <"$state/display")
export DISPLAY
dbus-run-session -- /usr/bin/python3 "$here/atspi_check.py" "$program"
