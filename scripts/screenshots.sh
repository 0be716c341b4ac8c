#!/usr/bin/env bash
# Renders the main window (one picture per tab) and the settings dialog offscreen into
# docs/screenshots/, building the program first when needed. The program runs on a fresh
# temporary program folder, so the pictures show a first start.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ! -f build/build.ninja ]]; then
  cmake --preset release >/dev/null
fi
cmake --build build -j 2 --target telqor

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
out=docs/screenshots
mkdir -p "$out"
TELQOR_HOME="$home" QT_QPA_PLATFORM=offscreen ./build/shell/telqor --screenshot "$out" 2> >(grep -v -e XDG_RUNTIME_DIR -e 'does not support' >&2)
ls -1 "$out"
