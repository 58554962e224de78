#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary folder and runs the
# unpacked program: its version and a command-line export, which must match
# the export of the program in the build folder.
set -euo pipefail
build="$1"
effect="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$(ls "$work"/out/vexlume_*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libqt6widgets6 libqt6openglwidgets6 libqt6gui6 libqt6core6 libgl1 libglu1-mesa; do
  echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done

dpkg-deb -x "$deb" "$work/root"
program="$work/root/usr/bin/vexlume"
[ -x "$program" ] || fail "no usr/bin/vexlume in the package"
[ -f "$work/root/usr/share/applications/vexlume.desktop" ] || fail "no desktop entry in the package"
[ -f "$work/root/usr/share/man/man1/vexlume.1" ] || [ -f "$work/root/usr/share/man/man1/vexlume.1.gz" ] ||
  fail "no manual page in the package"

export XDG_CONFIG_HOME="$work/config"
unset DISPLAY WAYLAND_DISPLAY
[ "$("$program" --version)" = "Vexlume 1.1" ] || fail "the unpacked program's version"
"$program" "$effect" -shader "$work/packaged.shader" || fail "the unpacked program's export"
"$build/src/vexlume" "$effect" -shader "$work/built.shader" || fail "the built program's export"
cmp "$work/packaged.shader" "$work/built.shader" || fail "the exports differ"
echo "deb: all checks passed ($(basename "$deb"))"
