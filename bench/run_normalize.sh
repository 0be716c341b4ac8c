#!/usr/bin/env bash
# Times telqor-cli normalize on ten million lines of mobile numbers in mixed spellings (half
# plain, forty percent "+86 …", "0086 …-…", "(+86)…", dotted, full-width, the rest lines that
# stay) against the same rule as a sed -E script working on GBK bytes. Each side runs
# alternately ROUNDS times; the best time counts; the outputs are checked to be the same lines.
#   bench/run_normalize.sh      (N=10000000 ROUNDS=3 by default; BUILD=build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
N=${N:-10000000}
ROUNDS=${ROUNDS:-3}
data=$root/bench/data
out=$root/bench/out/normalize
cli=$build/cli/telqor-cli
gen=$build/bench/telqor_bench_messy
check=$build/bench/telqor_bench_check
source "$root/bench/lib.sh"
require_tools "$cli" "$gen" "$check"
mkdir -p "$data" "$out"
export LC_ALL=C

messy=$data/messy-$N.txt
[[ -f $messy ]] || "$gen" "$N" 1 "$messy"

# The rule in sed, byte by byte: full-width digits to ASCII, the separators (and their
# full-width forms) out; eleven digits starting with 1, alone or after 86 or 0086, replace
# the line; any other line is restored from the hold space as it was.
{
  echo 'h'
  echo 's/\r$//'
  for d in 0 1 2 3 4 5 6 7 8 9; do printf 's/\\xA3\\x%X/%d/g\n' $((0xB0 + d)) "$d"; done
  echo 's/\xA1\xA1|\xA3[\xA8\xA9\xAB\xAD\xAE]|[-[:blank:].()+]//g'
  echo '/^((00)?86)?1[0-9]{10}$/ { s/^((00)?86)?//; s/$/\r/; b; }'
  echo 'g'
} >"$out/normalize.sed"

printf '%s lines, best of %s rounds\n' "$N" "$ROUNDS"
header
pair "normalize  vs  sed -E" same \
  "$cli" normalize "$messy" -o "$out/ours" -- sed -E -f "$out/normalize.sed" "$messy" ">" "$out/theirs"
