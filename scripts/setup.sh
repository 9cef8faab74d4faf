#!/usr/bin/env bash
# Installs the Debian packages that are missing, builds Aurelion, and then either starts the
# program (run) or runs every test (test).
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
case $mode in
  run | test) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

packages=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-qpa-plugins libbenchmark-dev
  libgif-dev fonts-liberation2 fonts-dejavu-core desktop-file-utils appstream poppler-utils
  python3-debian xvfb xauth dbus at-spi2-core python3-pyatspi xdotool
  librsvg2-bin qt6-l10n-tools qt6-tools-dev qt6-translations-l10n qpdf tidy chromium)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=()
  [[ $(id -u) -eq 0 ]] || sudo=(sudo)
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

if [[ $mode == run ]]; then
  cmake --preset release >/dev/null
  cmake --build --preset release
  exec build/release/src/aurelion
fi

cmake --preset default
cmake --build --preset default
ctest --preset default

# The random user under AddressSanitizer and UndefinedBehaviorSanitizer: 20,000 actions.
cmake --preset asan
cmake --build --preset asan --target aurelion-monkey
ctest --preset asan -R '^monkey$'
