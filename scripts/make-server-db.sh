#!/usr/bin/env bash
# Usage: scripts/make-server-db.sh HOST DB
#
# Builds a new shared address book on the Firebird server HOST (a host name or
# address, or host/port): creates DB there (a path on the server, or an alias
# from its databases.conf) and loads the schema and the demo contacts into it,
# all through the network ("HOST:DB"), as the server's user. Then checks that
# Pellori's own login can read the book.
#
# An existing database is never touched: the server refuses to create a file
# that exists. When any later step fails, the new database is dropped again,
# so a failure leaves nothing half-made behind.
#
# Logs in as QVXPELLORI with the program's built-in password. PELLORI_DB_USER
# and PELLORI_DB_PASSWORD name another login, e.g. SYSDBA when the server does
# not let QVXPELLORI create databases (Firebird 3 lets only SYSDBA and users
# granted CREATE DATABASE do so). The schema grants every table and procedure
# to PUBLIC, so QVXPELLORI can use a book SYSDBA made.
#
# Needs isql-fb (package firebird3.0-utils, or the path in $ISQL_FB).
set -euo pipefail

if [ $# -ne 2 ] || [ -z "$1" ] || [ -z "$2" ]; then
  echo "usage: $0 HOST DB" >&2
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

builtin_user=QVXPELLORI
builtin_password='*vemlox!'
user="${PELLORI_DB_USER:-$builtin_user}"
password="${PELLORI_DB_PASSWORD:-$builtin_password}"
target="$1:$2"

# The login goes to isql through the client library's own variables, so it
# stays off the process list.
run_isql() {
  ISC_USER="$user" ISC_PASSWORD="$password" "$isql" -q -b "$@"
}

created=""
finished=""
cleanup() {
  if [ -n "$created" ] && [ -z "$finished" ]; then
    if echo "DROP DATABASE;" | run_isql "$target" >/dev/null 2>&1; then
      echo "$0: failed; $target was dropped again" >&2
    else
      echo "$0: failed, and the half-made $target could not be dropped: drop or delete it on the server" >&2
    fi
  fi
  return 0
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

quoted="${target//\'/\'\'}"
if ! out="$(echo "CREATE DATABASE '$quoted' PAGE_SIZE 8192 DEFAULT CHARACTER SET ISO8859_1;" \
            | run_isql 2>&1)"; then
  printf '%s\n' "$out" >&2
  case "$out" in
    *"File exists"*)
      echo "$0: $target exists already; it was not touched" >&2 ;;
    *"no permission for CREATE access"*)
      echo "$0: the server does not let $user create databases; set PELLORI_DB_USER and PELLORI_DB_PASSWORD to SYSDBA's login" >&2 ;;
    *)
      echo "$0: the server did not create $target" >&2 ;;
  esac
  exit 1
fi
created=yes

run_isql -ch ISO8859_1 -i "$schema" "$target"
run_isql -ch ISO8859_1 -i "$demo" "$target"
finished=yes
echo "created $target as $user"

# Made by another login: say at once when Pellori's own cannot use it.
if [ "${user^^}" != "$builtin_user" ]; then
  if ! out="$(echo "SELECT COUNT(*) FROM p_view_company_and_person;" \
              | ISC_USER="$builtin_user" ISC_PASSWORD="$builtin_password" "$isql" -q -b "$target" 2>&1)"; then
    printf '%s\n' "$out" >&2
    echo "$0: warning: $builtin_user cannot read $target; create that user on the server (see README.md)" >&2
  fi
fi
