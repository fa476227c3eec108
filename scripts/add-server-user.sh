#!/usr/bin/env bash
# Usage: scripts/add-server-user.sh [--generate] HOST DB USER editor|reader
#
# Lets one person use the shared address book DB on the Firebird server HOST
# (see scripts/make-server-db.sh) under a login of their own:
#
#   - creates the server's user USER, or gives an existing one the new
#     password. The password is asked for twice on the terminal; with
#     --generate one is made up and printed, this once. Without a terminal it
#     is the first line of standard input. The program's built-in password is
#     refused.
#   - gives USER one of the book's roles: editor (PELLORI_EDITOR, reads and
#     changes contacts and lookup lists) or reader (PELLORI_READER, reads
#     only), taking the other away.
#   - prints the lines of section [Database] for that person's Pellori.ini.
#
# A book that still grants to PUBLIC (one copied under the server rather than
# made by make-server-db.sh) first has its grants moved to the two roles
# (data/server-roles.sql); for a book that has them already this changes
# nothing.
#
# Logs in as the server's administrator (see scripts/server-login.sh); the
# user is created through the book, as the server's own user database refuses
# remote access. Needs isql-fb (package firebird3.0-utils, or $ISQL_FB).
set -euo pipefail

generate=""
if [ "${1:-}" = "--generate" ]; then
  generate=yes
  shift
fi
if [ $# -ne 4 ] || [ -z "$1" ] || [ -z "$2" ]; then
  echo "usage: $0 [--generate] HOST DB USER editor|reader" >&2
  exit 2
fi
case "$4" in
  editor) role=PELLORI_EDITOR other=PELLORI_READER ;;
  reader) role=PELLORI_READER other=PELLORI_EDITOR ;;
  *) echo "$0: the role is editor or reader, not '$4'" >&2; exit 2 ;;
esac
# A plain name: the server stores it in capitals, as Pellori.ini must give it.
if ! [[ "$3" =~ ^[A-Za-z][A-Za-z0-9_]{0,30}$ ]]; then
  echo "$0: '$3' is not a user name: a letter, then up to 30 letters, digits or _" >&2
  exit 2
fi
user="${3^^}"
if [ "$user" = SYSDBA ]; then
  echo "$0: SYSDBA is the server's administrator, not a user of the book" >&2
  exit 2
fi

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=server-login.sh
. "$repo/scripts/server-login.sh"
target="$1:$2"

if [ -n "$generate" ]; then
  password="$(head -c 512 /dev/urandom | LC_ALL=C tr -dc 'A-Za-z0-9')"
  password="${password:0:20}"
elif [ -t 0 ]; then
  IFS= read -r -s -p "Password for $user: " password; echo >&2
  IFS= read -r -s -p "The same again: " again; echo >&2
  if [ "$password" != "$again" ]; then
    echo "$0: the two passwords differ; nothing was changed" >&2
    exit 1
  fi
else
  IFS= read -r password || true
fi
if [ -z "$password" ]; then
  echo "$0: no password given; nothing was changed" >&2
  exit 1
fi
if [ "$password" = '*vemlox!' ]; then
  echo "$0: that is the program's built-in password, which everyone can read; choose another" >&2
  exit 1
fi

# The script holds the password: a file of this user's alone, never an argument.
script="$(mktemp)"
trap 'rm -f "$script"' EXIT
cat >"$script" <<EOF
CREATE OR ALTER USER $user PASSWORD '${password//\'/\'\'}' USING PLUGIN Srp;
COMMIT;
SET TERM ^ ;
EXECUTE BLOCK AS
BEGIN
  IF (EXISTS(SELECT 1 FROM RDB\$USER_PRIVILEGES
              WHERE RDB\$USER = '$user' AND RDB\$RELATION_NAME = '$other' AND RDB\$PRIVILEGE = 'M')) THEN
    EXECUTE STATEMENT 'REVOKE $other FROM $user';
END^
SET TERM ; ^
GRANT $role TO $user;
COMMIT;
EOF

run_isql -i "$repo/data/server-roles.sql" "$target"
run_isql -i "$script" "$target"

echo "$user may now $([ "$4" = editor ] && echo "read and change" || echo "read") $target."
if [ -n "$generate" ]; then
  echo "Password of $user (shown this once): $password"
fi
case "$1" in
  localhost|localhost/*|127.*)
    echo "(on the other computers, server= names this one as they reach it, e.g. $(hostname))" >&2 ;;
esac
cat <<EOF
Section [Database] of $user's Pellori.ini (keep that file readable by its owner alone: chmod 600):
server=$1
database=$2
dbusername=$user
dbpassword=$(printf '%s' "$password" | base64 -w0)
role=$role
lc_ctype=ISO8859_1
EOF
