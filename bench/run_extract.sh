#!/usr/bin/env bash
# Times telqor-cli extract on SIZE bytes of mixed GBK text (prose, mobile numbers, landlines with
# area codes, e-mail addresses, postal codes, prices, HTML tags), as one file and as FILES files,
# against
#   rg -o '1[3-9][0-9]{9}' | sort -u      and      grep -oE '1[3-9][0-9]{9}' | sort -u
# (ripgrep: apt-get install ripgrep). The text is made so that those patterns and telqor's
# mobile rule find the same numbers, and every pair's outputs are checked to be the same lines.
# The last rows time the default run (mobile numbers and landlines, every digit run classified,
# area codes from a table) against the same rg pipeline for the mobile numbers alone.
# Each pair runs alternately ROUNDS times; the best time of each side counts.
#   bench/run_extract.sh        (SIZE=1000000000 FILES=100 ROUNDS=3 by default; BUILD=build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
SIZE=${SIZE:-1000000000}
FILES=${FILES:-100}
ROUNDS=${ROUNDS:-3}
data=$root/bench/data/extract-$SIZE
out=$root/bench/out/extract
cli=$build/cli/telqor-cli
gen=$build/bench/telqor_bench_mixed
check=$build/bench/telqor_bench_check

source "$root/bench/lib.sh"
require_tools "$cli" "$gen" "$check"
command -v rg >/dev/null || { echo "missing rg: apt-get install ripgrep" >&2; exit 1; }
[[ -f $data/one/mixed-0001.txt ]] || "$gen" "$SIZE" 1 "$data/one" 1
[[ -f $data/many/mixed-$(printf %04d "$FILES").txt ]] || "$gen" "$SIZE" "$FILES" "$data/many" 2
mkdir -p "$out"
export LC_ALL=C

# A program folder whose area-code table holds the codes the text uses.
home=$out/home
rm -rf "$home"
"$cli" --home "$home" settings >/dev/null
printf '北京 010\r\n上海 021\r\n天津 022\r\n重庆 023\r\n广州 020\r\n深圳 0755\r\n杭州 0571\r\n苏州 0512\r\n长沙 0731\r\n海口 0898\r\n' |
  iconv -f UTF-8 -t GBK >"$home/基础数据/固话区号对照表.txt"

# $out/ours and $out/theirs are files; CR LF of ours is normalised by the check.
N=$(wc -l <"$data/one/mixed-0001.txt")
one=$data/one/mixed-0001.txt
many=$data/many

printf '%s bytes of mixed text (%s lines), best of %s rounds\n' "$SIZE" "$N" "$ROUNDS"
header
pair "extract --mobile, 1 file  vs  rg | sort -u" same \
  "'$cli' --home '$home' extract --mobile '$one' > '$out/ours'" -- \
  "rg -o '1[3-9][0-9]{9}' '$one' | sort -u > '$out/theirs'"
pair "extract --mobile, 1 file  vs  grep | sort -u" same \
  "'$cli' --home '$home' extract --mobile '$one' > '$out/ours'" -- \
  "grep -oE '1[3-9][0-9]{9}' '$one' | sort -u > '$out/theirs'"
pair "extract --mobile, $FILES files  vs  rg | sort -u" same \
  "'$cli' --home '$home' extract --mobile '$many' > '$out/ours'" -- \
  "rg -o --no-filename '1[3-9][0-9]{9}' '$many' | sort -u > '$out/theirs'"
pair "extract --mobile, $FILES files  vs  grep | sort -u" same \
  "'$cli' --home '$home' extract --mobile '$many' > '$out/ours'" -- \
  "grep -ohE '1[3-9][0-9]{9}' -r '$many' | sort -u > '$out/theirs'"

# All kinds classified (landlines with their area codes too) against rg for the mobiles alone:
# the check compares the mobile numbers (the lines starting with 1) of ours.
pair_check() { grep -a '^1' "$out/ours" >"$out/ours.mobile"; "$check" "$1" "$out/ours.mobile" "$out/theirs"; }
pair "extract (all kinds), 1 file  vs  rg mobiles" same \
  "'$cli' --home '$home' extract '$one' > '$out/ours'" -- \
  "rg -o '1[3-9][0-9]{9}' '$one' | sort -u > '$out/theirs'"
pair "extract (all kinds), $FILES files  vs  rg mobiles" same \
  "'$cli' --home '$home' extract '$many' > '$out/ours'" -- \
  "rg -o --no-filename '1[3-9][0-9]{9}' '$many' | sort -u > '$out/theirs'"
