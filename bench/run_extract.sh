#!/usr/bin/env bash
# Times telqor-cli extract on SIZE bytes of mixed GBK text (prose, mobile numbers, landlines with
# area codes, e-mail addresses, postal codes, prices, HTML tags), as one file and as FILES files,
# against
#   rg -o '1[3-9][0-9]{9}' | sort -u      and      grep -oE '1[3-9][0-9]{9}' | sort -u
# (ripgrep: apt-get install ripgrep). The text is made so that those patterns and telqor's
# mobile rule find the same numbers, and every pair's outputs are checked to be the same lines.
# The last rows time the default run (mobile numbers and landlines, every digit run classified,
# area codes from a table) against the same rg pipeline for the mobile numbers alone.
# The dense rows time one file of SIZE bytes dense with numbers (of its tokens 35% mobile numbers,
# 10% landlines, 5% e-mail addresses, 10% other digit runs) against grep -P pipelines:
#   grep -aoP '(?<![0-9])1[3-9][0-9]{9}(?![0-9])' | sort -u                 (mobile numbers)
#   grep -aoP '\w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*' | sort -u     (e-mail addresses)
# and the three kinds at once against the first; the area-code table holds the text's codes.
# Each pair runs alternately ROUNDS times; the best time of each side counts.
#   bench/run_extract.sh        (SIZE=1000000000 FILES=100 ROUNDS=3 by default; BUILD=build folder)
#   ROWS=dense bench/run_extract.sh      only the dense rows (ROWS=sparse: only the others;
#                                        ROWS=email: only the dense e-mail row)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
SIZE=${SIZE:-1000000000}
FILES=${FILES:-100}
ROUNDS=${ROUNDS:-3}
ROWS=${ROWS:-all}
data=$root/bench/data/extract-$SIZE
dense=$root/bench/data/extract-dense-$SIZE/dense.txt
out=$root/bench/out/extract
cli=$build/cli/telqor-cli
gen=$build/bench/telqor_bench_mixed
dense_gen=$build/bench/telqor_bench_dense
check=$build/bench/telqor_bench_check

source "$root/bench/lib.sh"
case $ROWS in
  all) require_tools "$cli" "$gen" "$dense_gen" "$check" ;;
  sparse) require_tools "$cli" "$gen" "$check" ;;
  dense | email) require_tools "$cli" "$dense_gen" "$check" ;;
  *) echo "ROWS is all, sparse, dense or email, not '$ROWS'" >&2; exit 2 ;;
esac
if [[ $ROWS == all || $ROWS == sparse ]]; then
  command -v rg >/dev/null || { echo "missing rg: apt-get install ripgrep" >&2; exit 1; }
  [[ -f $data/one/mixed-0001.txt ]] || "$gen" "$SIZE" 1 "$data/one" 1
  [[ -f $data/many/mixed-$(printf %04d "$FILES").txt ]] || "$gen" "$SIZE" "$FILES" "$data/many" 2
fi
if [[ $ROWS != sparse ]]; then
  echo 1 | grep -qP '(?<!0)1' || { echo "missing grep -P: a grep built with PCRE" >&2; exit 1; }
  if [[ ! -f $dense ]]; then  # under its name only once whole
    "$dense_gen" "$SIZE" "$dense.part" 1
    mv "$dense.part" "$dense"
  fi
fi
mkdir -p "$out"
export LC_ALL=C

sparse_rows() {
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
}

dense_rows() {
  # A program folder whose area-code table holds the codes the dense text uses.
  local home=$out/home-dense
  rm -rf "$home"
  "$cli" --home "$home" settings >/dev/null
  printf '%s\r\n' 北京\ 010 广州\ 020 上海\ 021 天津\ 022 重庆\ 023 沈阳\ 024 南京\ 025 武汉\ 027 成都\ 028 西安\ 029 \
    石家庄\ 0311 太原\ 0351 郑州\ 0371 长春\ 0431 哈尔滨\ 0451 苏州\ 0512 济南\ 0531 合肥\ 0551 杭州\ 0571 \
    福州\ 0591 长沙\ 0731 深圳\ 0755 佛山\ 0757 东莞\ 0769 南昌\ 0791 贵阳\ 0851 昆明\ 0871 海口\ 0898 \
    兰州\ 0931 乌鲁木齐\ 0991 | iconv -f UTF-8 -t GBK >"$home/基础数据/固话区号对照表.txt"
  local mobile_re='(?<![0-9])1[3-9][0-9]{9}(?![0-9])'
  local email_re='\w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*'
  N=$(wc -l <"$dense")

  printf '%s bytes of dense text (%s lines), best of %s rounds\n' "$SIZE" "$N" "$ROUNDS"
  header
  # The three kinds against grep for the mobiles alone: the check compares the mobile numbers
  # of ours (the lines of 11 digits starting with 1; some e-mail addresses start with a digit).
  if [[ $ROWS != email ]]; then
    pair_check() {
      grep -aE $'^1[0-9]{10}\r?$' "$out/ours" >"$out/ours.mobile"
      "$check" "$1" "$out/ours.mobile" "$out/theirs"
    }
    pair "extract --mobile --landline --email, dense  vs  grep -P mobiles | sort -u" same \
      "'$cli' --home '$home' extract --mobile --landline --email '$dense' > '$out/ours'" -- \
      "grep -aoP '$mobile_re' '$dense' | sort -u > '$out/theirs'"
    pair_check() { "$check" "$1" "$out/ours" "$out/theirs"; }
    pair "extract --mobile, dense  vs  grep -P mobiles | sort -u" same \
      "'$cli' --home '$home' extract --mobile '$dense' > '$out/ours'" -- \
      "grep -aoP '$mobile_re' '$dense' | sort -u > '$out/theirs'"
  fi
  pair_check() { "$check" "$1" "$out/ours" "$out/theirs"; }
  pair "extract --email, dense  vs  grep -P e-mails | sort -u" same \
    "'$cli' --home '$home' extract --email '$dense' > '$out/ours'" -- \
    "grep -aoP '$email_re' '$dense' | sort -u > '$out/theirs'"
}

[[ $ROWS == dense || $ROWS == email ]] || sparse_rows
[[ $ROWS == all ]] && echo
[[ $ROWS == sparse ]] || dense_rows
