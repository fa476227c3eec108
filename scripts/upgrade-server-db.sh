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
# A shared book also gets the steps only shared books have (the history of
# who changed which contact), and afterwards grants nothing to PUBLIC: every
# grant goes to the roles PELLORI_EDITOR and PELLORI_READER
# (data/server-roles.sql). A book that still granted to PUBLIC can then be
# used only by the users that scripts/add-server-user.sh gives a role.
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
# shellcheck source=server-login.sh
. "$here/server-login.sh"

PELLORI_DB_USER="$admin_user" PELLORI_DB_PASSWORD="$admin_password" "$tool" "$1:$2"
# The steps grant what Pellori's users need to PUBLIC, as a single-file book
# has it; a shared book keeps those grants for its two roles alone.
run_isql -i "$here/../data/server-roles.sql" "$1:$2"
