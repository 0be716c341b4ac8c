#!/usr/bin/env bash
# Times workspace operations of telqor-cli against the standard tools:
#   range generation of 100,000,000 numbers to a file  vs  seq
#   keeping mobile numbers among ten million lines     vs  grep -E '1[0-9]{10}'
#   bench/run_workspace.sh      (N=10000000 ROUNDS=3 by default; BUILD=build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
N=${N:-10000000}
ROUNDS=${ROUNDS:-3}
data=$root/bench/data
out=$root/bench/out
home=$out/home
cli=$build/cli/telqor-cli
gen=$build/bench/telqor_bench_gen
check=$build/bench/telqor_bench_check
source "$root/bench/lib.sh"
require_tools "$cli" "$gen" "$check"
mkdir -p "$data" "$out"

# Generation: --save writes into the dated output folder; move the file to $out/ours.
save_generated="f=\$('$cli' --home '$home' --yes generate --start 138 --end 139 --save 2>/dev/null) && mv \"\$f\" '$out/ours'"
header
N=100000000 pair "generate 138..139 --save  vs  seq" same \
  "$save_generated" -- seq 13800000001 13900000000 ">" "$out/theirs"

# Kind filter: a third of the lines hold no mobile number.
mixed=$data/mixed-$N.txt
[[ -f $data/a-$N.txt ]] || "$gen" "$N" 20 1 "$data/a-$N.txt"
[[ -f $mixed ]] || awk 'NR % 3 == 0 { print "0755-" substr($0, 4, 8) "\r"; next } { print }' "$data/a-$N.txt" >"$mixed"
pair "keep --kind mobile  vs  grep -E" same \
  "$cli" --home "$home" keep --kind mobile "$mixed" -o "$out/ours" -- grep -E "'1[0-9]{10}'" "$mixed" ">" "$out/theirs"
