#!/usr/bin/env bash
# Installs every Debian package Telqor needs to build, test and run, when it is missing;
# with "fuzz", also what the fuzz targets need (clang and libFuzzer).
# Runs apt-get update only when something has to be installed. Needs root (or sudo).
#   scripts/install-deps.sh [fuzz]
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config git dpkg-dev file
  libpcre2-dev libicu-dev liblzma-dev libzip-dev libexpat1-dev libxlsxwriter-dev nettle-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  qt6-base-dev qt6-translations-l10n fonts-wqy-microhei xdg-utils
  libreoffice-writer-nogui libreoffice-calc-nogui poppler-utils
)

if [[ ${1:-} == fuzz ]]; then
  packages+=(clang libfuzzer-14-dev libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
run=()
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null; then
    run=(sudo)
  else
    echo "error: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
if ! "${run[@]}" apt-get update -q || ! "${run[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
  echo "error: could not install ${missing[*]} with apt-get (is the package index reachable?)" >&2
  exit 1
fi
