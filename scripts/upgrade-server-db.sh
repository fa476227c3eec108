#!/usr/bin/env bash
# Usage: scripts/upgrade-server-db.sh HOST DB
#
# Brings a shared address book on the Firebird server HOST (a host name or
# address, or host/port) up to what this version of Pellori uses: the tables
# and columns that later versions add, each step once, all in one transaction.
# A step that fails leaves the book as it was; running the script again when
# the book is up to date does nothing. The contacts themselves are not touched,
# and programs may stay open meanwhile; they see the new functions on their
# next start.
#
# Pellori's users may not change a book's structure, so this is the
# administrator's job: log in as the book's owner or SYSDBA through
# PELLORI_DB_USER and PELLORI_DB_PASSWORD (or ISC_USER and ISC_PASSWORD).
#
# Runs the program pellori-upgrade, which holds the same steps as Pellori:
# beside Pellori in an installed folder, or in build/bin of the repository
# (or the path in $PELLORI_UPGRADE).
set -euo pipefail

if [ $# -ne 2 ] || [ -z "$1" ] || [ -z "$2" ]; then
  echo "usage: $0 HOST DB" >&2
  exit 2
fi

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
tool="${PELLORI_UPGRADE:-}"
if [ -z "$tool" ]; then
  for candidate in "$here/../pellori-upgrade" "$here/../build/bin/pellori-upgrade"; do
    if [ -x "$candidate" ]; then tool="$candidate"; break; fi
  done
fi
if [ -z "$tool" ] || [ ! -x "$tool" ]; then
  echo "$0: pellori-upgrade not found; build it (cmake --build build --target pellori-upgrade) or set PELLORI_UPGRADE" >&2
  exit 1
fi
if [ -z "${PELLORI_DB_USER:-${ISC_USER:-}}" ]; then
  echo "$0: set PELLORI_DB_USER and PELLORI_DB_PASSWORD to the login of the book's owner or SYSDBA" >&2
  exit 2
fi

exec "$tool" "$1:$2"
