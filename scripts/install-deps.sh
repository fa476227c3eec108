#!/usr/bin/env bash
# Installs the Debian packages Pellori needs to build and run, when any is missing.
# qt6-svg-dev renders the program's own SVG pictures (it brings libqt6svg6).
# With --tests also what only the test suite needs: a Firebird server, through
# which the refused-login test reaches a real password check (the embedded
# engine the program uses checks none); desktop-file-utils, whose
# desktop-file-validate checks the installed menu entry; python3-vobject,
# an independent parser that reads the vCard export back; and python3-icalendar
# (with python3-dateutil), which reads the birthdays' calendar file back.
set -euo pipefail
pkgs=(cmake g++ make qt6-base-dev qt6-svg-dev firebird-dev libfbclient2 firebird3.0-server-core
      firebird3.0-utils fonts-dejavu-core)
if [ "${1:-}" = "--tests" ]; then
  pkgs+=(firebird3.0-server desktop-file-utils python3-vobject python3-icalendar python3-dateutil)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi
