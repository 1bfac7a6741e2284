#!/usr/bin/env bash
# Packs the build tree BUILD into its .deb, unpacks it with dpkg -x into a
# temporary folder and runs each program's --help from there, without a
# display: usage on standard output, exit code 0. Also checks the package's
# fields, the desktop entry and the icon sizes.
# Usage: package_test.sh BUILD [CPACK]
set -euo pipefail
build=$1
cpack=${2:-cpack}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  exit 1
fi
shopt -s nullglob
debs=("$work"/out/*.deb)
if [ ${#debs[@]} -ne 1 ]; then
  cat "$work/cpack.log"
  echo "FAIL: expected one .deb, found ${#debs[@]}"
  exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

fields=$(dpkg-deb --field "$deb" Package Version Section Maintainer Depends Description)
echo "$fields"
grep -q '^Package: vela-panel$' <<<"$fields" || fail "package name"
grep -q '^Section: video$' <<<"$fields" || fail "section"
grep -q '^Maintainer: .\+<.\+@.\+>$' <<<"$fields" || fail "maintainer"
for runtime in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6; do
  grep -q "^Depends:.*\b$runtime\b" <<<"$fields" || fail "Depends lacks $runtime"
done

root=$work/root
dpkg -x "$deb" "$root"
entry=$root/usr/share/applications/vela-panel.desktop
[ -f "$entry" ] || fail "no desktop entry"
grep -q '^Exec=vela-panel$' "$entry" || fail "desktop entry does not start vela-panel"
grep -q '^Icon=vela-panel$' "$entry" || fail "desktop entry names another icon"
for side in 16 22 24 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${side}x${side}/apps/vela-panel.png
  if [ ! -f "$icon" ]; then
    fail "no ${side}x${side} icon"
  elif ! file "$icon" | grep -q "PNG image data, $side x $side,"; then
    fail "$(file "$icon")"
  fi
done

# Each program: what its --help must mention.
declare -A mentions=(
  [vela-panel]="--device-port --broadcast --serial-port --demo --screenshot"
  [vela-devsim]="--port --broadcast-listen --device --serial --log"
  [vela-ctl]="frame search send --payload"
)
for program in vela-panel vela-devsim vela-ctl; do
  binary=$root/usr/bin/$program
  [ -x "$binary" ] || { fail "no $program"; continue; }
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$binary" --help >"$work/out.txt" 2>"$work/err.txt" || status=$?
  [ "$status" -eq 0 ] || fail "$program --help exit code $status: $(cat "$work/err.txt")"
  grep -qi "usage" "$work/out.txt" || fail "$program --help prints no usage"
  for word in ${mentions[$program]}; do
    grep -q -- "$word" "$work/out.txt" || fail "$program --help does not mention $word"
  done
done

[ "$failures" -eq 0 ] || exit 1
echo "package test passed"
