#!/usr/bin/env bash
# Times telqor-cli make-default-data --force (the shipped segment list decompressed and written
# as 地区.txt, 手机号段.txt and 固话区号对照表.txt in GBK) against the same three files made by
#   xz -dc | awk (provinces and cities in order of first appearance) | iconv -t GBK.
# Each side runs ROUNDS times, alternately; the best time counts. The two segment files and the
# two region files must be equal before a time is shown.
#   bench/run_default_data.sh      (ROUNDS=5 by default; BUILD=build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
ROUNDS=${ROUNDS:-5}
N=517258
out=$root/bench/out/default_data
cli=$build/cli/telqor-cli
check=$build/bench/telqor_bench_check
xzdata=$root/data/segments-2025.tsv.xz

source "$root/bench/lib.sh"
require_tools "$cli" "$check"
command -v xz >/dev/null && command -v iconv >/dev/null || { echo "needs xz and iconv" >&2; exit 1; }
mkdir -p "$out"
export LC_ALL=C

# Both sides leave their three files in $out/ours or $out/theirs.
cat >"$out/theirs.sh" <<SH
set -e
mkdir -p "$out/theirs"
xz -dc "$xzdata" | awk -F'\t' -v dir="$out/theirs" '
  { print \$1 "|" \$2 "|" \$3 "\r" > (dir "/seg.u8")
    if (!(\$2 in seen)) { seen[\$2] = 1; order[++n] = \$2 }
    if (!((\$2 "\t" \$3) in city)) { city[\$2 "\t" \$3] = 1; cities[\$2] = cities[\$2] "|" \$3; codes[\$2] = codes[\$2] \$3 " " \$5 "\r\n" } }
  END { for (i = 1; i <= n; i++) { p = order[i]; printf "%s%s\r\n", p, cities[p] > (dir "/reg.u8"); printf "%s", codes[p] > (dir "/codes.u8") } }'
iconv -f UTF-8 -t GBK "$out/theirs/seg.u8" >"$out/theirs/手机号段.txt"
iconv -f UTF-8 -t GBK "$out/theirs/reg.u8" >"$out/theirs/地区.txt"
iconv -f UTF-8 -t GBK "$out/theirs/codes.u8" >"$out/theirs/固话区号对照表.txt"
SH
pair_reset() { rm -rf "$out/$1"; }
pair_check() {
  local a b
  a=$("$check" same "$out/ours/基础数据/手机号段.txt" "$out/theirs/手机号段.txt")
  b=$("$check" same "$out/ours/基础数据/地区.txt" "$out/theirs/地区.txt")
  [[ $a == ok && $b == ok ]] || { echo "segments: $a; regions: $b"; return 1; }
  echo ok
}

header
pair "default data: make-default-data vs xz|awk|iconv" same \
  "$cli" --home "$out/ours" make-default-data --force 2\>/dev/null -- bash "$out/theirs.sh"
