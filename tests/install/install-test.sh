#!/usr/bin/env bash
# Usage: install-test.sh CMAKE BUILD_DIR ISQL SCHEMA
#
# Installs BUILD_DIR into a fresh folder whose path holds a space, with
# XDG_DATA_HOME and HOME pointing into it, so nothing reaches the real home.
set -euo pipefail
cmake_bin=$1 build=$2 isql=$3 schema=$4

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/opt folder/pellori"
export XDG_DATA_HOME="$work/share" HOME="$work/home"
mkdir -p "$HOME"

fail() { echo "FAIL: $*" >&2; exit 1; }
sql() { "$isql" -q -ch ISO8859_1 "$prefix/PELLORI.QVX" <<<"$1"; }

"$cmake_bin" --install "$build" --prefix "$prefix" || fail "first install"

for f in pellori data/schema.sql data/demo.sql data/server-roles.sql scripts/make-demo.sh scripts/make-server-db.sh \
         scripts/add-server-user.sh scripts/server-login.sh pellori.svg README.md PELLORI.QVX Pellori.ini; do
  [ -s "$prefix/$f" ] || fail "missing $prefix/$f"
done
[ -x "$prefix/pellori" ] && [ -x "$prefix/scripts/make-demo.sh" ] || fail "program or script not executable"
ls -A "$prefix" | grep -q '\.tmp$' && fail "temporary file left in $prefix"

# The menu entry is valid and starts the installed program.
entry="$XDG_DATA_HOME/applications/pellori.desktop"
[ -s "$XDG_DATA_HOME/icons/hicolor/scalable/apps/pellori.svg" ] || fail "icon not installed"
report="$(desktop-file-validate "$entry" 2>&1)" || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
exec_line="$(sed -n 's/^Exec=//p' "$entry")"
[ "$exec_line" = "\"$prefix/pellori\"" ] || fail "Exec=$exec_line"

# The configuration logs in as the built-in user with the encoded built-in password.
ini="$prefix/Pellori.ini"
grep -qx 'Version=1.0' "$ini" || fail "ini version"
grep -qx 'dbusername=QVXPELLORI' "$ini" || fail "ini user"
grep -qx 'lc_ctype=ISO8859_1' "$ini" || fail "ini character set"
[ "$(sed -n 's/^dbpassword=//p' "$ini" | base64 -d)" = '*vemlox!' ] || fail "ini password"
[ "$(stat -c %a "$ini")" = 600 ] || fail "ini readable by others: $(stat -c %a "$ini")"

# The book holds the schema's tables and no contacts.
expected="$(iconv -f latin1 -t utf-8 "$schema" | sed -n 's/^CREATE TABLE \([a-z0-9_]*\).*/\1/p' | sort)"
actual="$(sql "set list on; select trim(lower(rdb\$relation_name)) as t from rdb\$relations
  where rdb\$system_flag = 0 and rdb\$view_blr is null order by 1;" | sed -n 's/^T *//p' | sort)"
[ -n "$expected" ] && [ "$expected" = "$actual" ] || fail "tables: expected [$expected], found [$actual]"
[ "$(sql 'set list on; select count(*) as n from object;' | sed -n 's/^N *//p')" = 0 ] || fail "book not empty"

# A second install keeps the user's book and configuration byte for byte,
# also after both changed.
sql "insert into object (O_ID, O_TYPE, O_NAME1) values (gen_id(G_OBJECT_O_ID, 1), 'P', 'Kept'); commit;"
printf '\n[MainWindow]\nWindowsState=wsMaximized\n' >>"$ini"
cp "$prefix/PELLORI.QVX" "$work/book" && cp "$ini" "$work/ini"
"$cmake_bin" --install "$build" --prefix "$prefix" >/dev/null || fail "second install"
cmp "$work/book" "$prefix/PELLORI.QVX" || fail "second install changed the book"
cmp "$work/ini" "$ini" || fail "second install changed the configuration"
echo "install test passed"
