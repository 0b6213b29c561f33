#!/usr/bin/env bash
# Census load benchmark: bench/load_census.sh [BUILD_DIR] [WORK_DIR] [SIZES...]
# For each size: generates a CER file, loads it with `sorteo-mesas load-census` (lines per
# second, seconds, peak memory), times the station rebuild, and times the way without the
# program: the lines cut into CSV with awk and imported with the sqlite3 tool's .import into a
# table with the same columns and key.
set -euo pipefail
BUILD=${1:-build}
WORK=${2:-/tmp/sm-bench}
shift $(( $# > 2 ? 2 : $# )) || true
SIZES=("$@")
[ ${#SIZES[@]} -gt 0 ] || SIZES=(100000 3000000)
BIN="$BUILD/src/sorteo-mesas"
GEN="$BUILD/tools/gen-census"
mkdir -p "$WORK"

cols="NIE,PROVINCIA,MUNICIPIO,DISTRITO,SECCION,MESA,LOCALELECTORAL1,LOCALELECTORAL2,INFOADICMESA,DIRMESA1,DIRMESA2,DIRMESA3,DIRMESA4,NOMBRE,APELLIDO1,APELLIDO2,DOMICILIOELECTOR1,DOMICILIOELECTOR2,DOMICILIOELECTOR3,ENTIDAD1,ENTIDAD2,ENTIDAD3,CODPOSTALELECTOR,MUNACI,FENACI,SEXO,IDENTIFICADOR,CODPOSTALMESA,NIA,GRADOESCOLARIDAD,ORDENENLISTAS,NACIONALIDAD,INTENCIONVOTO,ORDENCARGA"

to_csv() {
  LC_ALL=C awk 'BEGIN {
      split("1 12 14 64 66 70 71 121 171 201 251 301 351 401 421 446 471 527 583 639 689 739 789 794 799 807 808 817 822 837 838 842 867", p, " ")
      split("11 2 50 2 4 1 50 50 30 50 50 50 50 20 25 25 56 56 56 50 50 50 5 5 8 1 9 5 15 1 4 25 1", w, " ")
    }
    { sub(/\r$/, "")
      out = ""
      for (i = 1; i <= 33; i++) {
        f = substr($0, p[i], w[i]); gsub(/^ +| +$/, "", f); gsub(/"/, "\"\"", f)
        out = out "\"" f "\","
      }
      print out NR
    }' "$1"
}

for n in "${SIZES[@]}"; do
  stations=$(( n / 600 )); [ "$stations" -ge 1 ] || stations=1
  cer="$WORK/cer_$n.txt"
  echo "== $n voters, $stations stations"
  [ -f "$cer" ] || "$GEN" --out-cer "$cer" --voters "$n" --stations "$stations" --seed 11 2>/dev/null
  rm -rf "$WORK/prog"
  "$BIN" --data "$WORK/prog" init >/dev/null
  sync
  /usr/bin/time -f "%e %M" -o "$WORK/time.txt" "$BIN" --data "$WORK/prog" --yes load-census "$cer" >/dev/null 2>&1
  read -r secs kb < "$WORK/time.txt"
  awk -v n="$n" -v s="$secs" -v kb="$kb" 'BEGIN { printf "sorteo-mesas load-census: %.2f s, %.0f lines/s, peak memory %.0f MB\n", s, n / s, kb / 1024 }'
  "$BUILD/bench/bench-stations" "$WORK/prog"

  # The way without the program: fixed width to CSV, then sqlite3 .import.
  rm -f "$WORK/import.db" "$WORK/cer.csv"
  sync
  t0=$(date +%s.%N)
  to_csv "$cer" > "$WORK/cer.csv"
  t1=$(date +%s.%N)
  sqlite3 "$WORK/import.db" <<SQL
CREATE TABLE cinta ($(echo "$cols" | sed 's/,/ TEXT,/g') INTEGER);
CREATE UNIQUE INDEX cinta_pk ON cinta(DISTRITO,SECCION,MESA,FENACI,GRADOESCOLARIDAD,ORDENCARGA);
CREATE INDEX CINTA_APENOM ON cinta(APELLIDO1 COLLATE NOCASE,APELLIDO2 COLLATE NOCASE,NOMBRE COLLATE NOCASE);
.mode csv
.import $WORK/cer.csv cinta
SQL
  t2=$(date +%s.%N)
  awk -v a="$t0" -v b="$t1" -v c="$t2" 'BEGIN { printf "awk to CSV + sqlite3 .import: %.2f s (CSV %.2f s, import %.2f s)\n", c - a, b - a, c - b }'
  rm -f "$WORK/import.db" "$WORK/cer.csv"
done
