#!/usr/bin/env bash
# Opens the CSV of faktorlupe-vergleich --csv-de in LibreOffice Calc under a German locale, with
# the separators its import dialog ticks when it first opens a CSV file (tab, comma and
# semicolon), and checks that every figure arrives as a number of the value written, not as text
# and not cut at its decimal comma. LibreOffice is too large to install for every CI run; CTest
# runs this where it is installed.
#   spreadsheet-csv-in-libreoffice.sh PATH/TO/faktorlupe-vergleich PATH/TO/soffice
set -euo pipefail
vergleich=$1
soffice=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

"$vergleich" 12 7 1000003 101 --csv-de werte.csv >/dev/null
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 "$soffice" -env:UserInstallation="file://$scratch/profil" \
    --headless --infilter="CSV:9/44/59,34,76,1" --convert-to ods werte.csv >/dev/null 2>&1
python3 - werte.csv werte.ods <<'PYTHON'
import re, sys, zipfile

written = open(sys.argv[1], encoding="utf-8-sig", newline="").read().split("\r\n")[:-1]
sheet = zipfile.ZipFile(sys.argv[2]).read("content.xml").decode()
rows = re.findall(r"<table:table-row[^>]*>(.*?)</table:table-row>", sheet)
headings = written[0].split(";")
failures = 0
for line, row in zip(written[1:], rows[1:]):
    cells = re.findall(r'<table:table-cell ([^>]*?)/?>', row)
    numbers = [c for c in cells if 'office:value-type="float"' in c]
    values = [float(re.search(r'office:value="([^"]+)"', c).group(1)) for c in numbers]
    # The first line's factors are empty fields, empty cells in the sheet.
    expected = [float(f.strip('"').replace(",", ".")) for f in line.split(";") if f]
    if values != expected:
        print("FAIL: %s arrived as %s" % (line, values))
        failures += 1
    else:
        print("ok: %s arrived as %d numbers" % (line, len(values)))
if len(rows) < len(written) - 1 or failures:
    sys.exit(1)
print("ok: the headings are %s" % ", ".join(headings))
PYTHON
echo "1 passed, 0 failed"
