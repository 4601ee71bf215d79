#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package lumo_VERSION_ARCH.deb in
# this folder; install it with "apt install ./lumo_*.deb".
source "$(dirname "$0")/scripts/common.sh"
lumo_install_missing "${LUMO_PACKAGES[@]}"
lumo_build
deb="$(lumo_package)"
cp "$deb" "$LUMO_ROOT/"
echo "Made $LUMO_ROOT/$(basename "$deb")"
