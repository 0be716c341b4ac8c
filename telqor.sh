#!/usr/bin/env bash
# Set-up and everyday commands:
#   ./telqor.sh run    install what is missing, build, start the program
#   ./telqor.sh test   install what is missing, build, run every test
#   ./telqor.sh asan   the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
#   ./telqor.sh tsan   the engine tests built with ThreadSanitizer
#   ./telqor.sh package  build the Debian package build/telqor_<version>_amd64.deb
#   ./telqor.sh windows-test   the engine and telqor-cli.exe built for Windows, their tests under Wine
set -euo pipefail
cd "$(dirname "$0")"
what=${1:-run}
shift || true

# The Windows build installs its own tools (scripts/windows.sh), none of the Linux program's.
if [[ $what == windows-test ]]; then
  exec bash scripts/windows.sh --test "$@"
fi

bash scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

case "$what" in
  run)
    cmake --preset release >/dev/null
    cmake --build build -j "$jobs"
    exec ./build/shell/telqor "$@"
    ;;
  test)
    cmake --preset release >/dev/null
    cmake --build build -j "$jobs"
    cd build && ctest --output-on-failure -j "$jobs"
    ;;
  asan)
    cmake --preset asan >/dev/null
    cmake --build build-asan -j "$jobs"
    cd build-asan && ctest --output-on-failure -j "$jobs"
    ;;
  tsan)
    cmake --preset tsan >/dev/null
    cmake --build build-tsan -j "$jobs"
    cd build-tsan && ctest --output-on-failure -j "$jobs"
    ;;
  package)
    cmake --preset release >/dev/null
    cmake --build build -j "$jobs"
    cd build && cpack -G DEB
    ;;
  *)
    echo "usage: $0 run|test|asan|tsan|package|windows-test" >&2
    exit 2
    ;;
esac
