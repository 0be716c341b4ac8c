#!/usr/bin/env bash
# Times telqor-cli lookup --from on ten million mobile numbers against a segment database of
# 500,000 seven-digit segments in 400 cities (as bench/run_segments.sh makes it), against awk
# reading the segments into an array and answering each number the same way. The numbers come
# from a file and, for ours, also through a pipe. Each side runs alternately ROUNDS times; the
# best time counts; the answers are checked to be the same lines.
#   bench/run_lookup.sh      (N=10000000 ROUNDS=3 by default; BUILD=build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
N=${N:-10000000}
ROUNDS=${ROUNDS:-3}
data=$root/bench/data
out=$root/bench/out/lookup
cli=$build/cli/telqor-cli
gen=$build/bench/telqor_bench_gen
segdb=$build/bench/telqor_bench_segments
check=$build/bench/telqor_bench_check
source "$root/bench/lib.sh"
require_tools "$cli" "$gen" "$segdb" "$check"
command -v iconv >/dev/null || { echo "missing iconv" >&2; exit 1; }
mkdir -p "$data" "$out"
export LC_ALL=C

numbers=$data/a-$N.txt
[[ -f $numbers ]] || "$gen" "$N" 20 1 "$numbers"
base=$data/segments-500000-shuffled
[[ -f $base/手机号段.txt ]] || "$segdb" 500000 400 1 shuffled "$base"
home=$out/home
mkdir -p "$home/基础数据"
cp "$base"/*.txt "$home/基础数据/"
iconv -f GBK -t UTF-8 "$home/基础数据/手机号段.txt" >"$out/segments.utf8"

# The answer of a line: nothing for six characters or fewer (blanks around it left out), else
# the line, ":" and the region of its first seven characters (the first line of a segment
# holds), or ":没有找到".
cat >"$out/lookup.awk" <<'AWK'
NR == FNR { sub(/\r$/, ""); split($0, f, "|"); if (!(f[1] in region)) region[f[1]] = f[2] "." f[3]; next }
{
  sub(/\r$/, "")
  n = $0
  gsub(/^[ \t]+|[ \t]+$/, "", n)
  if (length(n) <= 6) next
  s = substr(n, 1, 7)
  print $0 ":" ((s in region) ? region[s] : "没有找到")
}
AWK

printf '%s numbers, 500000 segments in 400 cities, best of %s rounds\n' "$N" "$ROUNDS"
header
pair "lookup --from FILE  vs  awk" same \
  "$cli" --home "$home" lookup --from "$numbers" ">" "$out/ours" -- \
  awk -f "$out/lookup.awk" "$out/segments.utf8" "$numbers" ">" "$out/theirs"
pair "lookup --from - (pipe)  vs  awk" same \
  "cat $numbers | $cli --home $home lookup --from - > $out/ours" -- \
  awk -f "$out/lookup.awk" "$out/segments.utf8" "$numbers" ">" "$out/theirs"
# The database load alone, for the rate of the lookups themselves.
rm -f "$out/load.times"
for ((r = 0; r < ROUNDS; r++)); do run load "$cli" --home "$home" lookup --from /dev/null; done
read -r tl ml < <(best load)
read -r to mo < <(best ours)
awk -v n="$N" -v tl="$tl" -v ml="$ml" -v to="$to" 'BEGIN {
  printf "database load %.2fs (%.0f MB); %.1f million lookups a second from a pipe beyond it\n",
    tl, ml / 1024, (to > tl ? n / (to - tl) / 1e6 : 0) }'
