#!/usr/bin/env bash
# Times telqor-cli compare of two files of ten million numbers (about 20% repeats in each; about
# a fifth of the new file's lines stand in the reference) in both modes against
#   awk 'NR==FNR{a[$0];next}' writing both groups in the new file's order, and
#   sort -u of both files with comm -12 / comm -13 (distinct lines, sorted).
# Each pair runs alternately ROUNDS times; the best time of each side counts. Both outputs of a
# pair are checked before a time is shown, in both modes: line for line against awk, as sets
# against comm.
#   bench/run_compare.sh         (N=10000000 ROUNDS=3 by default; BUILD=build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
N=${N:-10000000}
ROUNDS=${ROUNDS:-3}
data=$root/bench/data
out=$root/bench/out/compare
cli=$build/cli/telqor-cli
gen=$build/bench/telqor_bench_gen
check=$build/bench/telqor_bench_check

source "$root/bench/lib.sh"
require_tools "$cli" "$gen" "$check"
mkdir -p "$data" "$out"
reference=$data/a-$N.txt
new=$data/b-$N.txt
[[ -f $reference ]] || "$gen" "$N" 20 1 "$reference"
[[ -f $new ]] || "$gen" "$N" 20 2 "$new" 1
export LC_ALL=C

# A program folder with first-run settings.
home=$out/home
rm -rf "$home"
"$cli" --home "$home" settings >/dev/null

# check2 MODE: both groups of ours against theirs (MODE same or set, telqor_bench_check).
# Prints the verdict; fails when they differ.
check2() {
  local present absent v1 v2
  present=$(ls "$out"/ours/*已有数据*.txt)
  absent=$(ls "$out"/ours/*没有的数据*.txt)
  v1=$("$check" "$1" "$present" "$out/theirs/present") || { echo "present: $v1"; return 1; }
  v2=$("$check" "$1" "$absent" "$out/theirs/absent") || { echo "absent: $v2"; return 1; }
  echo "$v1"
}

# Each side writes its two groups into the folder $out/ours (named by telqor) or $out/theirs
# (present, absent); check2 compares them.
pair_reset() { rm -rf "$out/$1"; mkdir -p "$out/$1"; }
pair_check() { check2 "$1"; }

ours() { echo "'$cli' --home '$1' --mode $2 compare '$new' '$reference' --out-dir '$out/ours'"; }
awk_join="awk -v p='$out/theirs/present' -v q='$out/theirs/absent' \
  'NR==FNR{a[\$0];next} (\$0 in a){print > p; next} {print > q}' '$reference' '$new'"
sort_comm="sort -u '$reference' -o '$out/theirs/r' && sort -u '$new' -o '$out/theirs/n' && \
  comm -12 '$out/theirs/r' '$out/theirs/n' > '$out/theirs/present' && \
  comm -13 '$out/theirs/r' '$out/theirs/n' > '$out/theirs/absent'"

printf '%s numbers in each file, best of %s rounds\n' "$N" "$ROUNDS"
header
pair "compare --mode A  vs  awk (both groups)" same "$(ours "$home" A)" -- "$awk_join"
pair "compare --mode B  vs  awk (both groups)" same "$(ours "$home" B)" -- "$awk_join"
pair "compare --mode A  vs  sort -u + comm" set "$(ours "$home" A)" -- "$sort_comm"
pair "compare --mode B  vs  sort -u + comm" set "$(ours "$home" B)" -- "$sort_comm"

