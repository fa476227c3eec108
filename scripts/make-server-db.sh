#!/usr/bin/env bash
# Usage: scripts/make-server-db.sh [--empty] HOST DB
#
# Builds a new shared address book on the Firebird server HOST (a host name or
# address, or host/port): creates DB there (a path on the server, or an alias
# from its databases.conf) and loads the schema and the demo contacts into it
# (with --empty: the schema's lookup lists and no contacts), all through the
# network ("HOST:DB"). Then brings it up to this version with
# scripts/upgrade-server-db.sh, which also moves every grant from PUBLIC to the
# roles PELLORI_EDITOR and PELLORI_READER, so that no one can use the book
# before scripts/add-server-user.sh gives them a role.
#
# An existing database is never touched: the server refuses to create a file
# that exists. When any later step fails, the new database is dropped again,
# so a failure leaves nothing half-made behind.
#
# Logs in as the server's administrator (see scripts/server-login.sh):
# Firebird 3 lets only SYSDBA and users granted CREATE DATABASE create
# databases. Needs isql-fb (package firebird3.0-utils, or the path in $ISQL_FB)
# and the program pellori-upgrade (see scripts/upgrade-server-db.sh).
set -euo pipefail

contacts=demo
if [ "${1:-}" = "--empty" ]; then
  contacts=none
  shift
fi
if [ $# -ne 2 ] || [ -z "$1" ] || [ -z "$2" ]; then
  echo "usage: $0 [--empty] HOST DB" >&2
  exit 2
fi

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=server-login.sh
. "$repo/scripts/server-login.sh"
target="$1:$2"

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
      echo "$0: the server does not let $admin_user create databases; log in as SYSDBA" >&2 ;;
    *)
      echo "$0: the server did not create $target" >&2 ;;
  esac
  exit 1
fi
created=yes

run_isql -ch ISO8859_1 -i "$repo/data/schema.sql" "$target"
if [ "$contacts" = demo ]; then
  run_isql -ch ISO8859_1 -i "$repo/data/demo.sql" "$target"
fi
# The steps of this version (the history of changes among them), then every
# grant from PUBLIC to the two roles.
"$repo/scripts/upgrade-server-db.sh" "$1" "$2" >/dev/null
finished=yes
echo "created $target as $admin_user; no one may use it yet."
echo "Give each person a login and a role: $repo/scripts/add-server-user.sh $1 $2 USER editor|reader"
