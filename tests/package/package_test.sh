#!/usr/bin/env bash
# The Debian package as a user gets it: cpack makes it from the install rules; it declares the
# Debian packages the programs use and ships the programs, the desktop entry and the icon;
# unpacked into a scratch root (dpkg -x), its telqor-cli runs, and for a user who cannot write
# beside it, keeps its settings and data in that user's home.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
fail() { echo "package test: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
debs=("$scratch"/out/telqor_*_amd64.deb)
[[ -f ${debs[0]} ]] || fail "no telqor_<version>_amd64.deb in $(ls "$scratch/out")"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libpcre2-8-0 libicu liblzma5 libxlsxwriter qt6-qpa-plugins fonts-wqy-microhei; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

root=$scratch/root
dpkg -x "$deb" "$root"
for f in usr/bin/telqor usr/bin/telqor-cli usr/share/applications/telqor.desktop \
  usr/share/icons/hicolor/scalable/apps/telqor.svg usr/share/doc/telqor/LICENSE-segments-2025 \
  usr/share/doc/telqor/LICENSE-divisions-2023 usr/share/doc/telqor/LICENSE usr/share/doc/telqor/THIRD-PARTY-NOTICES.txt; do
  [[ -e $root/$f ]] || fail "the package lacks /$f"
done
grep -q '^Exec=telqor$' "$root/usr/share/applications/telqor.desktop" || fail "the desktop entry does not start telqor"
grep -q '^Categories=Office;' "$root/usr/share/applications/telqor.desktop" || fail "the desktop entry is not in Office"

"$root/usr/bin/telqor-cli" --help | grep -q '^Usage: telqor-cli' || fail "telqor-cli --help from the package"

# A user who cannot write beside the program: as nobody when we are root, else with the
# program's folder made read-only.
home=$scratch/home
mkdir -p "$home"
as_user=()
if [[ $(id -u) -eq 0 ]]; then
  chown nobody "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod a-w "$root/usr/bin"
fi
env -i PATH=/usr/bin:/bin HOME="$home" "${as_user[@]}" "$root/usr/bin/telqor-cli" settings >/dev/null ||
  fail "telqor-cli settings as a user"
[[ -f $home/.local/share/Telqor/Telqor.ini ]] || fail "settings not kept in ~/.local/share/Telqor"
[[ ! -e $root/usr/bin/Telqor.ini ]] || fail "settings written beside the program"
echo "package test: $(basename "$deb") ok"
