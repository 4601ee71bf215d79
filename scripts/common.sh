# Shared by run.sh, test.sh, bench.sh and fuzz.sh: installs what is missing on a Debian 12
# machine, then configures and builds the project.
set -euo pipefail

LUMO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
LUMO_BUILD="${LUMO_BUILD:-$LUMO_ROOT/build}"

# Packages the build and the tests need.
LUMO_PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev libgtest-dev libgmock-dev
               libbenchmark-dev fonts-dejavu-core xvfb xauth libyaml-cpp-dev)
# The Debian package and its check: the icon's SVG, dependencies from the binaries, the
# desktop entry and the manual pages.
LUMO_PACKAGES+=(qt6-svg-dev dpkg-dev file desktop-file-utils shared-mime-info man-db groff-base)

lumo_install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

lumo_build() {
  cmake -S "$LUMO_ROOT" -B "$LUMO_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$LUMO_BUILD" --parallel "$(nproc)"
}

# Makes the Debian package from the build (after lumo_build) and prints its path.
lumo_package() {
  local out="$LUMO_BUILD/package"
  rm -f "$out"/lumo_*.deb
  mkdir -p "$out"
  (cd "$LUMO_BUILD" && cpack -G DEB >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log" >&2; return 1; }
  ls "$out"/lumo_*.deb
}
