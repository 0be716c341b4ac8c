#!/usr/bin/env bash
# Times telqor-cli compare of two files of ten million numbers (about 20% repeats in each; about
# a fifth of the new file's lines stand in the reference) in both modes against
#   awk 'NR==FNR{a[$0];next}' writing both groups in the new file's order, and
#   sort -u of both files with comm -12 / comm -13 (distinct lines, sorted).
# Each pair runs alternately ROUNDS times; the best time of each side counts. Both outputs of a
# pair are checked before a time is shown: mode A line for line against awk (as sets against
# comm); mode B against a model of it in awk (present exactly when the line's BKDR hash is a
# reference line's hash), which also counts the lines that are present only by an equal hash.
# Mode B runs with the default MapCacheSize (first-run settings); a run of ours alone with
# MapCacheSize=100000000 shows what the bucket array costs.
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

# Program folders with first-run settings, and one with ten times the buckets.
home=$out/home
large=$out/home-large
rm -rf "$home" "$large"
"$cli" --home "$home" settings >/dev/null
"$cli" --home "$large" settings >/dev/null
sed -i 's/^MapCacheSize=.*\r$/MapCacheSize=100000000\r/' "$large/Telqor.ini"
grep -aq '^MapCacheSize=100000000' "$large/Telqor.ini" || { echo "could not set MapCacheSize" >&2; exit 1; }

# The model of mode B: the reference's hashes, then each new line to present (its hash is one
# of them) or absent, compared with the files written. Prints "ok, <n> by equal hashes".
cat >"$out/model_b.awk" <<'AWK'
BEGIN { for (i = 0; i < 256; i++) ord[sprintf("%c", i)] = i }
function bkdr(s,   h, i, n) {
  h = 0; n = length(s)
  for (i = 1; i <= n; i++) h = (h * 131 + ord[substr(s, i, 1)]) % 4294967296
  return sprintf("%.0f", h)  # as a key: awk would print large numbers with CONVFMT
}
function next_of(file,   line) {
  if ((getline line < file) <= 0) { print "missing lines in " file; bad = 1; exit 1 }
  sub(/\r$/, "", line); return line
}
NR == FNR { sub(/\r$/, ""); hashes[bkdr($0)]; exact[$0]; next }
{
  sub(/\r$/, "")
  if (bkdr($0) in hashes) { got = next_of(present); if (!($0 in exact)) byhash++ } else got = next_of(absent)
  if (got != $0) { print "differ at new line " FNR ": '" $0 "' vs '" got "'"; bad = 1; exit 1 }
}
END {
  if (bad) exit 1
  if ((getline line < present) > 0 || (getline line < absent) > 0) { print "extra lines"; exit 1 }
  print "ok, " (byhash + 0) " by equal hashes"
}
AWK

# check2 MODE: both groups of ours against theirs; MODE same or set (telqor_bench_check), or
# model (mode B, against the awk model above). Prints the verdict; fails when they differ.
check2() {
  local present absent
  present=$(ls "$out"/ours/*已有数据*.txt)
  absent=$(ls "$out"/ours/*没有的数据*.txt)
  if [[ $1 == model ]]; then
    awk -v present="$present" -v absent="$absent" -f "$out/model_b.awk" "$reference" "$new"
    return
  fi
  local v1 v2
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
pair "compare --mode B  vs  awk (both groups)" model "$(ours "$home" B)" -- "$awk_join"
pair "compare --mode A  vs  sort -u + comm" set "$(ours "$home" A)" -- "$sort_comm"
pair "compare --mode B  vs  sort -u + comm" model "$(ours "$home" B)" -- "$sort_comm"

# Ours alone: the best of ROUNDS runs, checked like the pairs.
rm -f "$out/ours.times"
for ((r = 0; r < ROUNDS; r++)); do
  rm -rf "$out/ours"; mkdir -p "$out/ours"; sync
  run ours bash -c "$(ours "$large" B)"
done
verdict=$(check2 model) || verdict="OUTPUTS DIFFER: $verdict"
read -r to mo < <(best ours)
printf '%-44s %7.2fs %8s %7s   %5.0f MB %8s  %s\n' "compare --mode B, MapCacheSize=100000000" "$to" - - \
  "$(awk -v m="$mo" 'BEGIN { print m / 1024 }')" - "$verdict"
