#!/usr/bin/env bash
# Usage: scripts/make-demo.sh [--empty] DIR
#
# Puts a demo database DIR/PELLORI.QVX (schema plus demo contacts) and a
# matching DIR/Pellori.ini (readable by its owner alone) into DIR, each only
# when it is missing: an existing database or configuration is never
# touched. Each file is built under a
# temporary name and moved into place only when complete, so a failure leaves
# nothing half-made behind.
#
# With --empty the database holds the schema alone: its lookup lists and no
# contacts, the address book a new installation starts with. The
# configuration is the same either way; its standard values point at lookup
# rows the schema itself seeds.
#
# Needs isql-fb (package firebird3.0-utils, or the path in $ISQL_FB); the
# embedded engine opens the file directly, no server is involved.
set -euo pipefail

contacts=demo
if [ "${1:-}" = "--empty" ]; then
  contacts=none
  shift
fi
if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "usage: $0 [--empty] DIR" >&2
  exit 2
fi

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
schema="$repo/data/schema.sql"
demo="$repo/data/demo.sql"
isql="${ISQL_FB:-$(command -v isql-fb || command -v isql-fb3 || true)}"
if [ -z "$isql" ]; then
  echo "$0: isql-fb not found (install firebird3.0-utils)" >&2
  exit 1
fi

mkdir -p "$1"
dir="$(cd "$1" && pwd)"   # the engine wants an absolute path
db="$dir/PELLORI.QVX"
ini="$dir/Pellori.ini"

tmp_db=""
tmp_ini=""
cleanup() {
  [ -n "$tmp_db" ] && rm -f "$tmp_db"
  [ -n "$tmp_ini" ] && rm -f "$tmp_ini"
  return 0
}
trap cleanup EXIT

if [ -e "$db" ]; then
  echo "keeping existing $db"
else
  tmp_db="$dir/.PELLORI.QVX.$$.tmp"
  rm -f "$tmp_db"
  quoted="${tmp_db//\'/\'\'}"
  echo "CREATE DATABASE '$quoted' PAGE_SIZE 8192 DEFAULT CHARACTER SET ISO8859_1;" \
    | "$isql" -q -b
  "$isql" -q -b -ch ISO8859_1 -i "$schema" "$tmp_db"
  if [ "$contacts" = demo ]; then
    "$isql" -q -b -ch ISO8859_1 -i "$demo" "$tmp_db"
  fi
  mv -n "$tmp_db" "$db"
  echo "created $db"
fi

if [ -e "$ini" ]; then
  echo "keeping existing $ini"
else
  tmp_ini="$dir/.Pellori.ini.$$.tmp"
  # The password is stored Base64-encoded, as the program expects it. Encoded
  # is not encrypted: the file is its owner's alone from the start.
  password="$(printf '%s' '*vemlox!' | base64)"
  rm -f "$tmp_ini"
  (umask 077 && : > "$tmp_ini")
  # Company details default to the business types (key 2 of the seeded
  # address, communication and internet types); group 1 is the doctors.
  cat >> "$tmp_ini" <<EOF
[Pellori]
Version=1.0

[Database]
dbusername=QVXPELLORI
dbpassword=$password
lc_ctype=ISO8859_1

[StandardValues]
addresstype=1
addresstypecompany=2
communicationtype=1
communicationtypecompany=2
internettype=1
internettypecompany=2
doctors=1
administratormode=0
EOF
  mv -n "$tmp_ini" "$ini"
  echo "created $ini"
fi
