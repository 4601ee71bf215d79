#!/usr/bin/env bash
# Installs a Debian package of Lumo with apt, checks the installed programs and manual
# pages, removes it again and checks that none of its files is left. It changes the
# machine for a moment: meant for a fresh Debian 12 machine or container, run as root.
#   scripts/check-install.sh ./lumo_VERSION_ARCH.deb
set -euo pipefail
deb="$(realpath "$1")"
fail() { echo "check-install: $*" >&2; exit 1; }
! dpkg-query -W lumo >/dev/null 2>&1 || fail "lumo is installed already; remove it first"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb"
version="$(dpkg-query -W -f='${Version}' lumo)"
[ "$(lumo-cli --version)" = "lumo-cli $version" ] || fail "lumo-cli --version"
[ "$(lumo --version)" = "lumo $version" ] || fail "lumo --version"
for page in lumo lumo-cli; do
  text="$(MANWIDTH=80 man "$page" 2>/dev/null)"
  grep -q "^ *$page - " <<<"$text" || fail "man $page"
done
files="$(dpkg -L lumo)"

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq lumo
while read -r path; do
  if [ -f "$path" ] || [ -L "$path" ]; then fail "$path is left"; fi
  if [ -d "$path" ] && ! dpkg -S "$path" >/dev/null 2>&1; then fail "the folder $path is left"; fi
done <<<"$files"
echo "check-install: installed, used and removed without a trace"
