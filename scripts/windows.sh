#!/usr/bin/env bash
# Builds the engine, telqor-cli.exe and telqor_tests.exe for 64-bit Windows with mingw-w64, in
# build-windows/; with --test, runs the tests under Wine.
#   scripts/windows.sh [--test]
# The libraries built for Windows (PCRE2, liblzma, GoogleTest) and ICU's headers live in a
# cache outside the repository, made once from Debian's source packages and rebuilt only when
# missing: ${TELQOR_WINDOWS_CACHE:-$HOME/.cache/telqor-windows}. Needs root (or sudo) when
# packages or the source lines are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
test=false
case "${1:-}" in
  --test) test=true ;;
  "") ;;
  *)
    echo "usage: $0 [--test]" >&2
    exit 2
    ;;
esac

cache=${TELQOR_WINDOWS_CACHE:-$HOME/.cache/telqor-windows}
prefix=$cache/prefix
triple=x86_64-w64-mingw32
jobs=$(nproc 2>/dev/null || echo 2)
((jobs > 2)) && jobs=2
mkdir -p "$cache/sources" "$prefix"

run=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null && run=(sudo)
fi

# ---- Packages and source lines ----------------------------------------------------------------
packages=(g++-mingw-w64-x86-64-posix wine64 cmake ninja-build dpkg-dev pkg-config libgtest-dev libcli11-dev)
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
updated=false
if ! grep -rqsE '^(Types:.*deb-src|deb-src .*debian\.org/debian/? )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  echo "Enabling Debian's source packages (/etc/apt/sources.list.d/debian-src.sources)"
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$codename" "$codename" | "${run[@]}" tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
  "${run[@]}" apt-get update -q
  updated=true
fi
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $updated || "${run[@]}" apt-get update -q
  "${run[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# ---- Libraries for the target, once -----------------------------------------------------------
# fetch SOURCE: unpacks Debian's source package SOURCE into $cache/sources/SOURCE-*/, echoes it.
fetch() {
  local dir
  dir=$(find "$cache/sources" -maxdepth 1 -type d -name "$1-[0-9]*" | head -n 1)
  if [[ -z $dir ]]; then
    (cd "$cache/sources" && apt-get source -q "$1" >&2)
    dir=$(find "$cache/sources" -maxdepth 1 -type d -name "$1-[0-9]*" | head -n 1)
  fi
  echo "$dir"
}

if [[ ! -f $prefix/lib/libpcre2-8.a ]]; then
  echo "Building PCRE2 for Windows"
  src=$(fetch pcre2)
  rm -rf "$cache/build/pcre2" && mkdir -p "$cache/build/pcre2"
  (cd "$cache/build/pcre2" &&
    "$src/configure" -q --host=$triple --prefix="$prefix" --disable-shared --enable-static \
      --enable-pcre2-8 --disable-pcre2-16 --disable-pcre2-32 --enable-jit \
      --disable-pcre2grep-libz --disable-pcre2grep-libbz2 &&
    make -s -j"$jobs" libpcre2-8.la &&
    make -s install-libLTLIBRARIES install-nodist_includeHEADERS install-pkgconfigDATA)
fi

if [[ ! -f $prefix/lib/liblzma.a ]]; then
  echo "Building liblzma (xz-utils) for Windows"
  src=$(fetch xz-utils)
  rm -rf "$cache/build/xz" && mkdir -p "$cache/build/xz"
  (cd "$cache/build/xz" &&
    "$src/configure" -q --host=$triple --prefix="$prefix" --disable-shared --enable-static \
      --disable-xz --disable-xzdec --disable-lzmadec --disable-lzmainfo --disable-lzma-links \
      --disable-scripts --disable-doc --disable-nls &&
    make -s -j"$jobs" -C src/liblzma &&
    make -s -C src/liblzma install)
fi

# Windows decodes GBK with the system's code page 936; of ICU the engine uses only the UTF-8 and
# UTF-16 macros, which are headers alone: taken from ICU's source package, nothing linked.
if [[ ! -f $prefix/include/unicode/utf8.h ]]; then
  echo "Taking ICU's headers"
  rm -rf "$cache/build/icu" && mkdir -p "$cache/build/icu"
  (cd "$cache/build/icu" && apt-get source -q --download-only icu >&2 &&
    tar -xf "$(ls icu_*.orig.tar.?z)" --wildcards '*/source/common/unicode/*.h' &&
    mkdir -p "$prefix/include" && cp -r ./*/source/common/unicode "$prefix/include/")
fi

if [[ ! -f $prefix/lib/libgtest.a ]]; then
  echo "Building GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$cache/build/googletest" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON >/dev/null
  cmake --build "$cache/build/googletest" -j "$jobs"
  cmake --install "$cache/build/googletest" >/dev/null
fi

# CLI11 is headers alone, the same for every target: the installed package's, with its config.
if [[ ! -f $prefix/share/cmake/CLI11/CLI11Config.cmake ]]; then
  mkdir -p "$prefix/include" "$prefix/share/cmake"
  cp -r /usr/include/CLI "$prefix/include/"
  cp -r /usr/share/cmake/CLI11 "$prefix/share/cmake/"
fi

# ---- The build --------------------------------------------------------------------------------
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DTELQOR_WINDOWS_PREFIX="$prefix" \
  -DTELQOR_BUILD_GUI=OFF -DTELQOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-windows -j "$jobs"

$test || exit 0

# ---- The tests under Wine ---------------------------------------------------------------------
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
export WINEPREFIX=$cache/wine WINEDEBUG=-all WINEARCH=win64
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  echo "Making the Wine prefix $WINEPREFIX"
  "$wine" wineboot --init >/dev/null 2>&1 || true
fi
cd build-windows/tests
"$wine" ./telqor_tests.exe "${@:2}"
