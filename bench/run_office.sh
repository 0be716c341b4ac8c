#!/usr/bin/env bash
# Times reading office documents natively against LibreOffice:
#   1. DOCS documents (half .docx, half .xlsx, made once by LibreOffice from generated mixed text
#      and cached in bench/data/office-DOCS), the mobile numbers and e-mail addresses of all:
#        telqor-cli extract --mobile --email FOLDER
#      against LibreOffice converting the whole folder in one batch (soffice --headless
#      --convert-to txt / csv with every file) and grep for the same patterns, sort -u;
#      the two outputs are checked to be the same lines.
#   2. One .xlsx of ROWS rows (made once with Python's zipfile), every number found by
#      telqor-cli extract --mobile, with its time and peak memory.
# Each pair runs ROUNDS times; the best time of each side counts.
#   bench/run_office.sh        (DOCS=200 ROWS=1000000 ROUNDS=3 by default; BUILD=build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
DOCS=${DOCS:-200}
ROWS=${ROWS:-1000000}
ROUNDS=${ROUNDS:-3}
N=$DOCS
data=$root/bench/data/office-$DOCS
book=$root/bench/data/office-rows-$ROWS.xlsx
out=$root/bench/out/office
cli=$build/cli/telqor-cli
gen=$build/bench/telqor_bench_mixed
check=$build/bench/telqor_bench_check

source "$root/bench/lib.sh"
require_tools "$cli" "$gen"
command -v soffice >/dev/null || { echo "missing soffice: apt-get install libreoffice-writer-nogui libreoffice-calc-nogui" >&2; exit 1; }
mkdir -p "$out"
export LC_ALL=C

# ---- The documents, once -------------------------------------------------------------------
if [[ ! -f $data/done ]]; then
  rm -rf "$data" && mkdir -p "$data/text" "$data/docs"
  "$gen" $((DOCS * 20000)) "$DOCS" "$data/text" 7 >/dev/null
  half=$((DOCS / 2))
  i=0
  for f in "$data/text"/mixed-*.txt; do
    i=$((i + 1))
    base=$(basename "$f" .txt)
    if ((i <= half)); then
      iconv -f GBK -t UTF-8 "$f" >"$data/text/$base.utf8.txt"
    else
      # Words in cells: a tab for every blank, so numbers stand in cells of their own.
      iconv -f GBK -t UTF-8 "$f" | tr ' ' '\t' >"$data/text/$base.csv"
    fi
  done
  profile=$(mktemp -d)
  soffice -env:UserInstallation="file://$profile" --headless --infilter="Text (encoded):UTF8,LF,,," \
    --convert-to docx:"MS Word 2007 XML" --outdir "$data/docs" "$data/text"/*.utf8.txt >/dev/null 2>&1
  soffice -env:UserInstallation="file://$profile" --headless --infilter="CSV:9,34,76" \
    --convert-to xlsx:"Calc MS Excel 2007 XML" --outdir "$data/docs" "$data/text"/*.csv >/dev/null 2>&1
  rm -rf "$profile"
  touch "$data/done"
fi

# ---- One workbook of ROWS rows, once --------------------------------------------------------
if [[ ! -f $book ]]; then
  python3 - "$book" "$ROWS" <<'EOF'
import sys, zipfile
path, rows = sys.argv[1], int(sys.argv[2])
parts = {
    "[Content_Types].xml": '<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/><Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/></Types>',
    "_rels/.rels": '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>',
    "xl/workbook.xml": '<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="S" sheetId="1" r:id="rId1"/></sheets></workbook>',
    "xl/_rels/workbook.xml.rels": '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/></Relationships>',
}
with zipfile.ZipFile(path + ".part", "w", zipfile.ZIP_DEFLATED) as z:
    for name, text in parts.items():
        z.writestr(name, text)
    with z.open("xl/worksheets/sheet1.xml", "w", force_zip64=True) as sheet:
        sheet.write(b'<?xml version="1.0" encoding="UTF-8"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>')
        for r in range(1, rows + 1):
            number = 13000000000 + r * 7919 % 999999999
            sheet.write(f'<row r="{r}"><c r="A{r}"><v>{r}</v></c><c r="B{r}"><v>{number}</v></c></row>'.encode())
        sheet.write(b"</sheetData></worksheet>")
import os
os.replace(path + ".part", path)
EOF
fi

# ---- Side by side ---------------------------------------------------------------------------
pair_reset() { rm -rf "$out/$1" "$out/$1.txt"; }
pair_check() {
  if cmp -s "$out/ours.txt" "$out/theirs.txt"; then
    echo "same $(wc -l <"$out/ours.txt") lines"
  else
    echo "differ"
    return 1
  fi
}
mobile='(?<![0-9])1[3-9][0-9]{9}(?![0-9])'
email='\w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*'
ours="'$cli' extract --mobile --email '$data/docs' | tr -d '\r' | sort -u >'$out/ours.txt'"
theirs="profile=\$(mktemp -d) && mkdir -p '$out/theirs' &&
  soffice -env:UserInstallation=file://\$profile --headless --convert-to txt:Text --outdir '$out/theirs' '$data/docs'/*.docx >/dev/null 2>&1 &&
  soffice -env:UserInstallation=file://\$profile --headless --convert-to csv --outdir '$out/theirs' '$data/docs'/*.xlsx >/dev/null 2>&1 &&
  rm -rf \$profile &&
  cat '$out/theirs'/* | grep -aoP '$mobile|$email' | sort -u >'$out/theirs.txt'"
header
pair "$DOCS documents (.docx, .xlsx): extract vs soffice batch + grep" same "$ours" -- "$theirs"

# ---- The large workbook ---------------------------------------------------------------------
rm -f "$out/book.times"
for ((r = 0; r < ROUNDS; r++)); do run book "$cli" extract --mobile "$book"; done
"$cli" extract --mobile "$book" | wc -l | {
  read -r found
  read -r t m < <(best book)
  awk -v r="$ROWS" -v f="$found" -v t="$t" -v m="$m" 'BEGIN {
    printf "%-60s %7.2fs   %5.0f MB peak   %d numbers found\n", "one .xlsx of " r " rows: extract --mobile", t, m / 1024, f }'
}
