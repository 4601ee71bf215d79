#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
source "$(dirname "$0")/scripts/common.sh"
lumo_install_missing "${LUMO_PACKAGES[@]}"
lumo_build
exec "$LUMO_BUILD/lumo" "$@"
