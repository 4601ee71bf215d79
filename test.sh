#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test headless.
source "$(dirname "$0")/scripts/common.sh"
lumo_install_missing "${LUMO_PACKAGES[@]}"
lumo_build -DLUMO_WERROR=ON
cd "$LUMO_BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j "$(nproc)"
# The Debian package from the same build, checked without installing it.
"$LUMO_ROOT/scripts/check-package.sh" "$(lumo_package)"
