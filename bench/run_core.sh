#!/usr/bin/env bash
# Times telqor-cli against the standard tools on ten million random mobile numbers (about 20%
# repeats) and a second, half-overlapping set, and sort and dedupe against the floor: a program
# that does nothing else on one thread (bench/minimal_sort.cpp: map, parse, radix sort, one
# write). Each pair runs alternately ROUNDS times; the best time of each side counts. Outputs of
# a pair are checked to agree before a time is shown.
#   bench/run_core.sh            (N=10000000 ROUNDS=3 by default; BUILD=build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
N=${N:-10000000}
ROUNDS=${ROUNDS:-3}
data=$root/bench/data
out=$root/bench/out
cli=$build/cli/telqor-cli
gen=$build/bench/telqor_bench_gen
check=$build/bench/telqor_bench_check
minimal=$build/bench/telqor_minimal_sort

source "$root/bench/lib.sh"
require_tools "$cli" "$gen" "$check" "$minimal"
mkdir -p "$data" "$out"
a=$data/a-$N.txt
b=$data/b-$N.txt
[[ -f $a ]] || "$gen" "$N" 20 1 "$a"
[[ -f $b ]] || "$gen" "$N" 20 2 "$b" 1
export LC_ALL=C

printf '%s numbers per set, best of %s rounds\n' "$N" "$ROUNDS"
header
pair "sort  vs  single-purpose sort, one thread" same \
  "$cli" sort "$a" -o "$out/ours" -- "$minimal" "$a" "$out/theirs"
pair "dedupe --mode A  vs  single-purpose sort -u, one thread" same \
  "$cli" --mode A dedupe "$a" -o "$out/ours" -- "$minimal" -u "$a" "$out/theirs"
pair "sort  vs  sort" same \
  "$cli" sort "$a" -o "$out/ours" -- sort "$a" -o "$out/theirs"
pair "dedupe --mode A  vs  sort -u" same \
  "$cli" --mode A dedupe "$a" -o "$out/ours" -- sort -u "$a" -o "$out/theirs"
pair "dedupe --mode B  vs  awk '!seen[\$0]++'" same \
  "$cli" --mode B dedupe "$a" -o "$out/ours" -- awk "'!seen[\$0]++'" "$a" ">" "$out/theirs"
pair "shuffle  vs  shuf" multiset \
  "$cli" shuffle "$a" -o "$out/ours" -- shuf "$a" -o "$out/theirs"
pair "filter-out  vs  awk anti-join" same \
  "$cli" filter-out "$b" --exclude "$a" -o "$out/ours" -- \
  awk "'NR==FNR{a[\$0];next} !(\$0 in a)'" "$a" "$b" ">" "$out/theirs"
pair "filter-out  vs  sort + comm -23 (unordered)" set \
  "$cli" filter-out "$b" --exclude "$a" -o "$out/ours" -- \
  "comm -23 <(sort -u $b) <(sort -u $a) > $out/theirs"
