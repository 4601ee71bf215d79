#!/usr/bin/env bash
# Checks a Debian package of Lumo without installing it: its control fields and
# dependencies, that it holds the programs, the desktop entry, the MIME type, the icons and
# both manual pages, and that each of these is valid.
#   scripts/check-package.sh lumo_VERSION_ARCH.deb
set -euo pipefail
deb="$1"
fail() { echo "check-package: $*" >&2; exit 1; }

dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

for field in Package Version Architecture Maintainer Depends Description; do
  [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "no $field field"
done
version="$(dpkg-deb -f "$deb" Version)"
depends="$(dpkg-deb -f "$deb" Depends)"
depends_on() {
  local entry
  IFS=',' read -ra entries <<<"$depends"
  for entry in "${entries[@]}"; do
    entry="${entry# }"
    [ "${entry%% *}" = "$1" ] && return 0
  done
  return 1
}
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
  depends_on "$lib" || fail "Depends lacks $lib: $depends"
done
! grep -q -- "-dev" <<<"$depends" || fail "Depends names a development package: $depends"
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 2 ] || fail "no long description"

icons=(scalable/apps/lumo.svg)
for size in 16 22 24 32 48 64 128 256; do icons+=("${size}x${size}/apps/lumo.png"); done
files=(usr/bin/lumo usr/bin/lumo-cli usr/share/applications/lumo.desktop
       usr/share/mime/packages/lumo.xml usr/share/man/man1/lumo.1.gz usr/share/man/man1/lumo-cli.1.gz)
for icon in "${icons[@]}"; do files+=("usr/share/icons/hicolor/$icon"); done
contents="$(dpkg-deb --contents "$deb" | awk '{print $NF}')"
for f in "${files[@]}"; do grep -qx "./$f" <<<"$contents" || fail "$f is missing"; done

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

# The programs answer without a display and carry the package's version.
[ "$("$root/usr/bin/lumo-cli" --version)" = "lumo-cli $version" ] || fail "lumo-cli --version is not $version"
[ "$("$root/usr/bin/lumo" --version)" = "lumo $version" ] || fail "lumo --version is not $version"
# lumo-cli plot draws a figure without a display.
printf ' 1 \r\n 3 \r\n 12 3.47 5 3 \r\n 0 \r\n' >"$root/m.FIT"
printf '"LUMO"\r\n"t"\r\n6.35\r\n3\r\n0.01,1,0.1\r\n0.05,0.001,0.0001\r\n0.1,1e-05,1e-06\r\n' >"$root/d.vld"
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/lumo-cli" plot "$root/m.FIT" --incident-sld 2.07 \
  --solvent-sld 6.35 --data "$root/d.vld" -o "$root/f.svg" || fail "lumo-cli plot failed"
grep -q "<text" "$root/f.svg" || fail "lumo-cli plot wrote no SVG with texts"
for program in lumo lumo-cli; do
  file -b "$root/usr/bin/$program" | grep -q ", stripped" || fail "$program is not stripped"
done

# The desktop entry, without errors, warnings or hints.
report="$(desktop-file-validate "$root/usr/share/applications/lumo.desktop" 2>&1)" || fail "$report"
[ -z "$report" ] || fail "$report"
entry="$root/usr/share/applications/lumo.desktop"
grep -qx "Exec=lumo %F" "$entry" || fail "the desktop entry does not start lumo with files"

# The MIME type: a database built from it alone knows both extensions, and it is the
# type the desktop entry opens.
mkdir -p "$root/mime/packages"
cp "$root/usr/share/mime/packages/lumo.xml" "$root/mime/packages/"
report="$(XDG_DATA_HOME="$root" update-mime-database "$root/mime" 2>&1)" || fail "$report"
[ -z "$report" ] || fail "$report"
for ext in vld vlb; do
  grep -q "application/x-lumo-data:\*\.$ext" "$root/mime/globs" || fail "no MIME type for .$ext"
done
grep -qx "MimeType=application/x-lumo-data;" "$entry" || fail "the desktop entry opens another MIME type"

# The icons: what their names say.
file -b "$root/usr/share/icons/hicolor/scalable/apps/lumo.svg" | grep -q "SVG" || fail "lumo.svg is no SVG"
for size in 16 22 24 32 48 64 128 256; do
  file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/lumo.png" |
    grep -q "PNG image data, $size x $size" || fail "the ${size}x${size} icon is not a PNG of that size"
done

# The manual pages render without a warning and name their program.
for page in lumo lumo-cli; do
  path="$root/usr/share/man/man1/$page.1.gz"
  warnings="$(man --warnings -l -Tutf8 "$path" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "$page.1: $warnings"
  text="$(MANWIDTH=80 man -l "$path" 2>/dev/null)"
  grep -q "^ *$page - " <<<"$text" || fail "$page.1 has no NAME line"
done
echo "check-package: $deb is sound"
