# Sourced by the scripts that work on a shared book through a Firebird server:
# finds isql-fb and the server administrator's login, and runs isql with it.
#
# The login is SYSDBA's (or that of another user the server lets create
# databases and users): PELLORI_DB_USER and PELLORI_DB_PASSWORD, else the
# client library's own ISC_USER and ISC_PASSWORD, which Debian's
# /etc/firebird/3.0/SYSDBA.password sets when sourced.

isql="${ISQL_FB:-$(command -v isql-fb || command -v isql-fb3 || true)}"
if [ -z "$isql" ]; then
  echo "$0: isql-fb not found (install firebird3.0-utils)" >&2
  exit 1
fi

admin_user="${PELLORI_DB_USER:-${ISC_USER:-}}"
admin_password="${PELLORI_DB_PASSWORD:-${ISC_PASSWORD:-}}"
if [ -z "$admin_user" ] || [ -z "$admin_password" ]; then
  echo "$0: give the server administrator's login in PELLORI_DB_USER and PELLORI_DB_PASSWORD" >&2
  echo "  (or ISC_USER and ISC_PASSWORD, e.g. from /etc/firebird/3.0/SYSDBA.password; see README.md)" >&2
  exit 2
fi

# The login goes to isql through the client library's own variables, so it
# stays off the process list.
run_isql() {
  ISC_USER="$admin_user" ISC_PASSWORD="$admin_password" "$isql" -q -b "$@"
}
