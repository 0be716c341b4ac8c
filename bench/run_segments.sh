#!/usr/bin/env bash
# Times telqor-cli's segment verbs on ten million random mobile numbers against a segment
# database of 500,000 seven-digit segments in 400 cities (GBK; the segment file sorted, and
# shuffled for the lookup):
#   export --by region   vs  awk reading the segments into an array and appending each number
#                            to its region's file (then named with its count, as ours are)
#   validate             vs  awk splitting by length 11 and a known segment
#   lookup of one number vs  wc -l over the two database files (each LOOKUPS times in a row)
# Each pair runs alternately ROUNDS times; the best time of each side counts. The outputs of a
# pair are checked to agree (the same files with the same bytes).
#   bench/run_segments.sh      (N=10000000 ROUNDS=3 LOOKUPS=20 by default; BUILD=build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
N=${N:-10000000}
ROUNDS=${ROUNDS:-3}
LOOKUPS=${LOOKUPS:-20}
data=$root/bench/data
out=$root/bench/out/segments
cli=$build/cli/telqor-cli
gen=$build/bench/telqor_bench_gen
segdb=$build/bench/telqor_bench_segments
check=$build/bench/telqor_bench_check
source "$root/bench/lib.sh"
require_tools "$cli" "$gen" "$segdb" "$check"
command -v iconv >/dev/null && command -v perl >/dev/null || { echo "missing iconv or perl" >&2; exit 1; }
mkdir -p "$data" "$out"
export LC_ALL=C

numbers=$data/a-$N.txt
[[ -f $numbers ]] || "$gen" "$N" 20 1 "$numbers"
# One program folder per order of the segment file, the same database in both.
for order in sorted shuffled; do
  base=$data/segments-500000-$order
  [[ -f $base/手机号段.txt ]] || "$segdb" 500000 400 1 "$order" "$base"
  mkdir -p "$out/home-$order/基础数据"
  cp "$base"/*.txt "$out/home-$order/基础数据/"
done
home=$out/home-sorted
segments=$home/基础数据/手机号段.txt

# The other side's helpers: renaming "path<TAB>new path" lines in one process, and the awk programs.
cat >"$out/rename.pl" <<'PERL'
while (<STDIN>) { chomp; my ($from, $to) = split /\t/; rename $from, $to or die "$from: $!\n"; }
PERL
# The file of each segment's region is named in the first pass; counts name the files at the end.
cat >"$out/split.awk" <<'AWK'
NR == FNR { sub(/\r$/, ""); split($0, f, "|"); file[f[1]] = f[2] "." f[3]; next }
{
  s = substr($0, 1, 7)
  r = (s in file) ? file[s] : "未知地区"
  print > (dir "/" r)
  n[r]++
}
END { for (r in n) { close(dir "/" r); print dir "/" r "\t" dir "/" r "." n[r] ".txt" | rename } }
AWK
cat >"$out/valid.awk" <<'AWK'
NR == FNR { split($0, f, "|"); known[f[1]]; next }
{
  if (length($0) == 12 && substr($0, 12) == "\r" && (substr($0, 1, 7) in known)) { print > good; g++ }
  else { print > bad; b++ }
}
END {
  close(good); close(bad)
  print good "\t" base ".有效." (g + 0) ".txt" | rename
  print bad "\t" base ".无效." (b + 0) ".txt" | rename
}
AWK
rename="perl $out/rename.pl"

# side NAME CMD: runs the command line in bash, appending "seconds peak-KB" to $out/NAME.times.
side() { run "$1" bash -c "$2"; }

# folders LABEL: compares the folders $out/ours and $out/theirs and prints the best times.
folders() {
  local label=$1 verdict=ok
  if ! diff -rq "$out/ours" "$out/theirs" >"$out/diff" 2>&1; then
    verdict="OUTPUTS DIFFER: $(head -3 "$out/diff" | tr '\n' ' ')"
  fi
  read -r to mo < <(best ours)
  read -r tt mt < <(best theirs)
  # The ratio is other/telqor; below 1 it shows as 1/(telqor/other).
  awk -v l="$label" -v to="$to" -v tt="$tt" -v mo="$mo" -v mt="$mt" -v v="$verdict" 'BEGIN {
    ratio = (to > 0 && tt >= to) ? sprintf("%.1fx", tt / to) : sprintf("1/%.0fx", (tt > 0 ? to / tt : 0))
    printf "%-44s %7.2fs %7.2fs %7s   %5.0f MB %5.0f MB  %s\n", l, to, tt, ratio, mo / 1024, mt / 1024, v }'
}

# pair_folders LABEL OURS THEIRS: ROUNDS alternate runs, the outputs removed before each round.
pair_folders() {
  rm -f "$out/ours.times" "$out/theirs.times"
  for ((r = 0; r < ROUNDS; r++)); do
    rm -rf "$out/ours" "$out/theirs"
    sync
    side ours "$2"
    side theirs "$3"
  done
  folders "$1"
}

printf '%s numbers, 500000 segments in 400 cities, best of %s rounds\n' "$N" "$ROUNDS"
header

# Ours writes into the dated output folder of its program folder, which is then moved aside.
other=$home/我的数据/其它数据
pair_folders "export --by region  vs  awk split" \
  "rm -rf '$other' && '$cli' --home '$home' export --by region '$numbers' >/dev/null && mv '$other'/* '$out/ours'" \
  "mkdir '$out/theirs' && awk -v dir='$out/theirs' -v rename='$rename' -f '$out/split.awk' \
     <(iconv -f GBK -t UTF-8 '$segments') '$numbers'"

pair_folders "validate  vs  awk length and segment" \
  "mkdir '$out/ours' && '$cli' --home '$home' validate '$numbers' --save '$out/ours/v' >/dev/null" \
  "mkdir '$out/theirs' && awk -v base='$out/theirs/v' -v good='$out/theirs/good' -v bad='$out/theirs/bad' \
     -v rename='$rename' -f '$out/valid.awk' '$segments' '$numbers'"

# One lookup: the answer is compared with the database line of its segment.
for order in sorted shuffled; do
  h=$out/home-$order
  rm -rf "$out/ours" "$out/theirs" "$out/ours.times" "$out/theirs.times"
  mkdir -p "$out/ours" "$out/theirs"
  "$cli" --home "$h" lookup 13800001234 >"$out/ours/answer"
  line=$(grep -a '^1380000|' "$h/基础数据/手机号段.txt" | tr -d '\r' | iconv -f GBK -t UTF-8 || true)
  if [[ -n $line ]]; then
    IFS='|' read -r _ province city <<<"$line"
    echo "13800001234:$province.$city" >"$out/theirs/answer"
  else
    echo "13800001234:没有找到" >"$out/theirs/answer"
  fi
  for ((r = 0; r < ROUNDS; r++)); do
    side ours "for i in \$(seq $LOOKUPS); do '$cli' --home '$h' lookup 13800001234; done"
    side theirs "for i in \$(seq $LOOKUPS); do wc -l '$h/基础数据/地区.txt' '$h/基础数据/手机号段.txt'; done"
  done
  folders "lookup ($order, ${LOOKUPS}x)  vs  wc -l"
done
