#!/usr/bin/env bash
# A hundred million lines: telqor-cli on 100M random 11-digit numbers (1.3 GB, about 20%
# repeats): sort, dedupe in both modes, filter-out against 10M, compare against 50M, split by
# 1M, export by region over the shipped segment data, and extraction of a 3 GB folder of mixed
# text. Each runs once, with its time and peak memory and that per million lines; outputs are
# checked against coreutils and awk (or by counting, where a reference would need far more
# memory than telqor). Nothing here may need more than 8 GB or fail.
#   bench/run_scale.sh          (N=100000000 MIXED=3000000000 bytes by default; BUILD=build folder;
#                                ROWS=lists or ROWS=extract runs only those rows)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
N=${N:-100000000}
ROWS=${ROWS:-lists,extract}
MIXED=${MIXED:-3000000000}
data=$root/bench/data/scale
out=$root/bench/out/scale
cli=$build/cli/telqor-cli
gen=$build/bench/telqor_bench_gen
mixed=$build/bench/telqor_bench_mixed
check=$build/bench/telqor_bench_check

source "$root/bench/lib.sh"
require_tools "$cli" "$gen" "$mixed" "$check"
mkdir -p "$data" "$out"
export LC_ALL=C
big=$data/a-$N.txt
ten=$data/b-$((N / 10)).txt
half=$data/c-$((N / 2)).txt
[[ -f $big ]] || "$gen" "$N" 20 1 "$big"
[[ -f $ten ]] || "$gen" $((N / 10)) 20 2 "$ten" 1
[[ -f $half ]] || "$gen" $((N / 2)) 20 3 "$half" 1
folder=$data/mixed-$MIXED
[[ -f $folder/mixed-0030.txt ]] || "$mixed" "$MIXED" 30 "$folder" 4
home=$out/home
rm -rf "$home"
"$cli" --home "$home" make-default-data >/dev/null 2>&1

# One run of ours: time and peak memory (lib.sh's run), then the row.
row() {
  local label=$1 verdict=$2 n=${3:-$N}
  read -r t m <"$out/ours.last"
  awk -v l="$label" -v t="$t" -v m="$m" -v n="$n" -v v="$verdict" 'BEGIN {
    printf "%-40s %8.1fs %7.0f MB %6.1f MB/M  %s\n", l, t, m / 1024, m / 1024 / (n / 1e6), v }'
}
ours() { rm -f "$out/ours.times"; run ours "$@"; }
lines() { awk 'END {print NR}' "$@"; }

printf '%s numbers (%s bytes)\n' "$N" "$(stat -c %s "$big")"
printf '%-40s %9s %10s %11s  %s\n' operation time peak "per million" check
if [[ $ROWS == *lists* ]]; then
  ours "$cli" sort "$big" -o "$out/sorted"
  sort -S 4G --parallel=2 "$big" -o "$out/ref"
  row "sort" "$("$check" same "$out/sorted" "$out/ref")"

  ours "$cli" --mode A dedupe "$big" -o "$out/dedupeA"
  sort -S 4G --parallel=2 -u "$big" -o "$out/ref"
  row "dedupe --mode A" "$("$check" same "$out/dedupeA" "$out/ref")"

  ours "$cli" --mode B dedupe "$big" -o "$out/dedupeB"
  # Each distinct line once, as mode A keeps them, in another order.
  verdict=$("$check" set "$out/dedupeB" "$out/dedupeA") || true
  [[ $(lines "$out/dedupeB") == $(lines "$out/dedupeA") ]] || verdict="$(lines "$out/dedupeB") lines, $(lines "$out/dedupeA") distinct"
  row "dedupe --mode B" "$verdict"

  ours "$cli" filter-out "$big" --exclude "$ten" -o "$out/filtered"
  tr -d '\r' <"$ten" | sort -S 2G -u >"$out/ten.sorted"
  comm -23 <(tr -d '\r' <"$out/dedupeA") "$out/ten.sorted" >"$out/ref"
  row "filter-out against 10%" "$("$check" set "$out/filtered" "$out/ref")"

  rm -rf "$out/compare" && mkdir -p "$out/compare"
  ours "$cli" --mode A compare "$big" "$half" --out-dir "$out/compare"
  present=$(ls "$out/compare"/*已有数据* | head -1)
  tr -d '\r' <"$half" | sort -S 2G -u >"$out/half.sorted"
  comm -12 <(tr -d '\r' <"$out/dedupeA") "$out/half.sorted" >"$out/ref"
  row "compare against 50%" "$("$check" set "$present" "$out/ref")"

  rm -rf "$out/split" && mkdir -p "$out/split"
  ours "$cli" split --lines 1000000 "$big" --out-dir "$out/split"
  row "split by 1M" "$(cat "$out/split"/* | cmp -s - "$big" && echo "ok: $(ls "$out/split" | wc -l) parts make the input" || echo "parts differ from the input")"

  rm -rf "$home/我的数据/其它数据"
  ours "$cli" --home "$home" export --by region "$big"
  written=$(find "$home/我的数据/其它数据" -name '*.txt' -exec cat {} + | wc -l)
  row "export by region" "$([[ $written -eq $(lines "$big") ]] && echo "ok: every line in one of $(find "$home/我的数据/其它数据" -name '*.txt' | wc -l) files" || echo "$written lines written")"

fi

if [[ $ROWS == *extract* ]]; then
  ours "$cli" --home "$home" extract --mobile "$folder"
  "$cli" --home "$home" extract --mobile "$folder" >"$out/extracted"
  if command -v rg >/dev/null; then
    rg -o --no-filename '1[3-9][0-9]{9}' "$folder" | sort -S 2G -u >"$out/ref"
    row "extract --mobile, 3 GB folder" "$("$check" same "$out/extracted" "$out/ref")" "$(lines "$out/extracted")"
  else
    row "extract --mobile, 3 GB folder" "$(lines "$out/extracted") numbers (rg missing: unchecked)" "$(lines "$out/extracted")"
fi
fi
