#!/usr/bin/env bash
# Installs into a temporary prefix and checks what a desktop takes from it:
# the desktop entry, the MIME package, the icons and the manual page.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

desktop="$prefix/share/applications/vexlume.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate refused $desktop"
grep -qx 'MimeType=application/x-vexlume-effect;' "$desktop" || fail "the entry does not handle .vxl files"
grep -qx 'Exec=vexlume %f' "$desktop" || fail "the entry does not start vexlume with the file"

out="$(update-mime-database -V "$prefix/share/mime" 2>&1)" || fail "update-mime-database: $out"
if echo "$out" | grep -qiE 'warning|error|unknown'; then fail "update-mime-database: $out"; fi
[ -f "$prefix/share/mime/application/x-vexlume-effect.xml" ] || fail "no MIME type application/x-vexlume-effect"
grep -q 'application/x-vexlume-effect:\*\.vxl' "$prefix/share/mime/globs2" || fail "*.vxl is not mapped"

for size in 16 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/vexlume.png"
  file "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $icon is not a ${size}x${size} PNG"
  [ -f "$prefix/share/icons/hicolor/${size}x${size}/mimetypes/application-x-vexlume-effect.png" ] ||
    fail "no document icon at $size"
done

manpage="$prefix/share/man/man1/vexlume.1"
warnings="$(MANWIDTH=80 man -l "$manpage" 2>&1 >/dev/null)" || fail "man cannot show $manpage"
[ -z "$warnings" ] || fail "man warns: $warnings"
MANWIDTH=80 man -l "$manpage" 2>/dev/null | grep -q -- '-shader' || fail "the manual page does not describe -shader"

[ -x "$prefix/bin/vexlume" ] || fail "no program installed"
echo "install: all checks passed"
