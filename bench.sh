#!/usr/bin/env bash
# Installs what is missing, builds, and runs the benchmarks (extra arguments go to them).
source "$(dirname "$0")/scripts/common.sh"
lumo_install_missing "${LUMO_PACKAGES[@]}"
lumo_build
QT_QPA_PLATFORM=offscreen "$LUMO_BUILD/bench/lumo_bench" "$@"
