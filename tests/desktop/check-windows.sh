#!/usr/bin/env bash
# Usage: check-windows.sh WINDOW_OPENER MAKE_DEMO ISQL [check-windows.py options]
#
# A 1280 x 1024 Xvfb screen of its own with openbox, a D-Bus session with the
# accessibility bus, the demo book, and then check-windows.py over every
# window at twice the scale.
set -euo pipefail
opener=$1 make_demo=$2 isql=$3
shift 3
here="$(cd "$(dirname "$0")" && pwd)"

fail() { echo "FAIL: $*" >&2; exit 1; }
# Without the desktop's pieces the check cannot run: it says so and is skipped (77).
skip() { echo "SKIPPED: $* is missing; scripts/install-deps.sh --tests installs it" >&2; exit 77; }
for tool in Xvfb openbox dbus-run-session; do
  command -v "$tool" >/dev/null || skip "$tool"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi"

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

ISQL_FB="$isql" bash "$make_demo" "$work/book" >/dev/null
# A second Björn Andersson with his e-mail, for the duplicates and merge windows.
cat >"$work/duplicate.sql" <<'SQL'
INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2) VALUES (900, 'P', 'Andersson', 'Björn');
UPDATE OR INSERT INTO person (P_ID, P_SID, P_ALIVE) VALUES (900, 1, '@') MATCHING (P_ID);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (900, 1, 'bjorn.andersson@example.se', '@');
COMMIT;
SQL
"$isql" -q -b -ch UTF8 -i "$work/duplicate.sql" "$work/book/PELLORI.QVX" >/dev/null

# A display number no one else uses: the server picks it and writes it.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

unset QT_QPA_PLATFORM SESSION_MANAGER
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
dbus-run-session -- /usr/bin/python3 "$here/check-windows.py" "$opener" "$work/book" "$@" 2> >(grep -v -e 'Failed to set fd limit' -e 'Activat' >&2)
