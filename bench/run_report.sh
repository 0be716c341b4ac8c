#!/usr/bin/env bash
# Times the report verbs on the segment data the program ships (make-default-data):
#  - telqor-cli stats --by province,carrier on ten million numbers against awk reading the
#    segment list into an array keyed by segment and counting by province and carrier, the
#    carrier found by the prefixes of the same settings (a four-digit block first);
#  - telqor-cli table of a million numbers to .xlsx against Python's xlsxwriter in
#    constant-memory mode writing the same cells (taken from our table as CSV, made once
#    untimed), with the same bold frozen header, filter and widths. python3-xlsxwriter is
#    installed when missing (as root), else that pair is skipped.
# Each side runs alternately ROUNDS times; the best time counts, with its peak memory. The
# counts are checked to be the same, and both workbooks to hold the same cells (read back by
# telqor-cli office-to-text).
#   bench/run_report.sh      (N=10000000 TABLE_N=1000000 ROUNDS=3 by default; BUILD=build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
N=${N:-10000000}
TABLE_N=${TABLE_N:-1000000}
ROUNDS=${ROUNDS:-3}
data=$root/bench/data
out=$root/bench/out/report
cli=$build/cli/telqor-cli
gen=$build/bench/telqor_bench_gen
check=$build/bench/telqor_bench_check
source "$root/bench/lib.sh"
require_tools "$cli" "$gen" "$check"
command -v iconv >/dev/null || { echo "missing iconv" >&2; exit 1; }
mkdir -p "$data" "$out"
export LC_ALL=C

numbers=$data/a-$N.txt
[[ -f $numbers ]] || "$gen" "$N" 20 1 "$numbers"
table_numbers=$data/a-$TABLE_N.txt
[[ -f $table_numbers ]] || "$gen" "$TABLE_N" 20 1 "$table_numbers"
home=$out/home
[[ -f $home/基础数据/手机号段.txt ]] || "$cli" --home "$home" make-default-data >/dev/null
iconv -f GBK -t UTF-8 "$home/基础数据/手机号段.txt" >"$out/segments.utf8"
# The carrier settings in the order the rule searches them, a carrier and its prefixes a line.
ini=$(iconv -f GBK -t UTF-8 "$home/Telqor.ini" | tr -d '\r')
for tag in mobiletag:移动 unicomtag:联通 telecomtag:电信 broadnettag:广电; do
  printf '%s %s\n' "${tag#*:}" "$(sed -n "s/^${tag%%:*}=//p" <<<"$ini")"
done >"$out/carriers.txt"

# A line's province by its first seven digits (the first line of a segment holds) and its
# carrier by its prefixes; 未知 for what a line has not (not eleven digits, no such segment).
cat >"$out/stats.awk" <<'AWK'
FILENAME == ARGV[1] {
  n = split($2, p, ";")
  for (i = 1; i <= n; i++) {
    if (length(p[i]) == 4 && !(p[i] in c4)) c4[p[i]] = $1
    if (length(p[i]) == 3 && !(p[i] in c3)) c3[p[i]] = $1
  }
  next
}
FILENAME == ARGV[2] { split($0, f, "|"); if (!(f[1] in province)) province[f[1]] = f[2]; next }
{
  sub(/\r$/, "")
  pr = "未知"; ca = "未知"
  if (length($0) == 11 && $0 ~ /^[0-9]+$/) {
    s = substr($0, 1, 7)
    if (s in province) pr = province[s]
    q = substr($0, 1, 4)
    if (q in c4) ca = c4[q]
    else { q = substr($0, 1, 3); if (q in c3) ca = c3[q] }
  }
  count[pr "\t" ca]++
}
END { for (k in count) print k "\t" count[k] }
AWK

# Our table without its header, total and shares against awk's counts, both sorted.
stats_check() {
  tail -n +2 "$out/ours" | grep -v '^合计' | cut -f1-3 | sort >"$out/ours.sorted"
  sort "$out/theirs" >"$out/theirs.sorted"
  cmp -s "$out/ours.sorted" "$out/theirs.sorted" && echo "same counts" || { echo "counts differ"; return 1; }
}

printf '%s numbers, the shipped segment list (517,258 segments), best of %s rounds\n' "$N" "$ROUNDS"
header
pair_check() { stats_check; }
pair "stats --by province,carrier  vs  awk" same \
  "$cli" --home "$home" stats "$numbers" --by province,carrier ">" "$out/ours" -- \
  awk -f "$out/stats.awk" "$out/carriers.txt" "$out/segments.utf8" "$numbers" ">" "$out/theirs"

# Debian's package is for Debian's Python, whatever else PATH names.
python=python3
[[ -x /usr/bin/python3 ]] && python=/usr/bin/python3
if ! "$python" -c 'import xlsxwriter' 2>/dev/null; then
  if [[ $(id -u) -eq 0 ]] && command -v apt-get >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q python3-xlsxwriter >/dev/null ||
      { apt-get update -q >/dev/null && DEBIAN_FRONTEND=noninteractive apt-get install -y -q python3-xlsxwriter >/dev/null; } || true
  fi
fi
if ! "$python" -c 'import xlsxwriter' 2>/dev/null; then
  echo "python3-xlsxwriter is not installed: the table pair is skipped"
  exit 0
fi

# The same cells as ours, every one a string, the same header style, filter and widths; the
# temporary files in the output's folder, as ours.
cat >"$out/table.py" <<'PY'
import csv, os, sys, xlsxwriter
source, target = sys.argv[1], sys.argv[2]
book = xlsxwriter.Workbook(target, {"constant_memory": True, "tmpdir": os.path.dirname(target)})
sheet = book.add_worksheet("号码")
bold = book.add_format({"bold": True})
sheet.freeze_panes(1, 0)
for col, width in enumerate((13, 6, 6, 6, 8, 12)):
    sheet.set_column(col, col, width)
rows = 0
with open(source, encoding="utf-8-sig", newline="") as f:
    for r, row in enumerate(csv.reader(f)):
        style = bold if r == 0 else None
        for c, cell in enumerate(row):
            if cell:
                sheet.write_string(r, c, cell, style)
        rows = r
sheet.autofilter(0, 0, rows, 5)
book.close()
PY
"$cli" --home "$home" table "$table_numbers" -o "$out/table.csv"

pair_reset() { rm -rf "${out:?}/$1" && mkdir -p "$out/$1"; }
pair_check() {
  "$cli" office-to-text "$out/ours/t.xlsx" "$out/theirs/t.xlsx" >/dev/null 2>&1
  cmp -s "$out/ours/t.1.txt" "$out/theirs/t.1.txt" && echo "same cells" || { echo "cells differ"; return 1; }
}
N=$TABLE_N
echo
printf '%s numbers to a workbook, best of %s rounds\n' "$TABLE_N" "$ROUNDS"
header
pair "table -o .xlsx  vs  Python xlsxwriter (constant memory)" same \
  "$cli" --home "$home" table "$table_numbers" -o "$out/ours/t.xlsx" -- \
  "$python" "$out/table.py" "$out/table.csv" "$out/theirs/t.xlsx"
