#!/usr/bin/env bash
# Writes THIRD-PARTY-NOTICES.txt: every library Telqor links or ships and the data it carries,
# each with its copyright and licence as Debian's packages state them (their copyright files),
# then the full texts of the common licences those files refer to. Run it again when a library
# comes or goes; the file is kept in the repository and shipped with the program.
#   scripts/third_party_notices.sh
set -euo pipefail
cd "$(dirname "$0")/.."
out=THIRD-PARTY-NOTICES.txt

# name | what Telqor uses it for | Debian package holding the copyright file
components=(
  "Qt 6 (Core, Gui, Widgets)|the program's window (LGPL-3.0)|libqt6core6"
  "PCRE2|patterns in extraction, replacement and filters|libpcre2-8-0"
  "ICU|text conversion on Linux|libicu72"
  "XZ Utils (liblzma)|the shipped segment list, compressed|liblzma5"
  "libzip|reading .docx, .xlsx, .odt and .ods|libzip4"
  "zlib|compression inside office files (built in on Windows)|zlib1g"
  "Expat|the XML of office files|libexpat1"
  "libxlsxwriter|writing .xlsx tables|libxlsxwriter4"
  "Nettle|opening office files encrypted with the default password|libnettle8"
  "CLI11|the command line's options (telqor-cli only)|libcli11-dev"
  "Poppler (pdftotext)|reading PDF files (shipped as pdftotext.exe on Windows)|poppler-utils"
  "FreeType|fonts inside pdftotext.exe on Windows|libfreetype6"
)

{
  echo "Telqor is free software under the GNU General Public License, version 3 or (at your option)"
  echo "any later version (LICENSE). It uses, links or ships the following, under their own licences."
  echo
  for entry in "${components[@]}"; do
    IFS='|' read -r name use package <<<"$entry"
    version=$(dpkg-query -W -f='${Version}' "$package")
    echo "================================================================================"
    echo "$name $version: $use"
    echo "================================================================================"
    echo
    cat "/usr/share/doc/$package/copyright"
    echo
  done
  echo "================================================================================"
  echo "Segment data 2025: the public segment list of ALI1416/phone2region (Apache License 2.0)"
  echo "================================================================================"
  echo
  cat data/LICENSE-segments-2025
  echo
  echo "================================================================================"
  echo "行政区划数据的许可: the division codes of 2023 as compiled by modood/Administrative-divisions-of-China"
  echo "================================================================================"
  echo
  cat data/divisions-2023/LICENSE
  echo
  for licence in GPL-2 GPL-3 LGPL-2.1 LGPL-3; do
    echo "================================================================================"
    echo "Full text of $licence (/usr/share/common-licenses/$licence)"
    echo "================================================================================"
    echo
    cat "/usr/share/common-licenses/$licence"
    echo
  done
} >"$out"
echo "Wrote $out ($(wc -c <"$out") bytes)"
