#!/usr/bin/env bash
# Checks the .deb that cpack makes: the programs, the desktop entry and the
# icon in their places, and the libraries the programs need as dependencies.
# The package is unpacked, not installed, and its converter is run.
# Usage: check_debian_package.sh PELVORO.deb
set -u
deb=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/pelvoro ./usr/bin/pelvoro-convert ./usr/share/applications/pelvoro.desktop \
            ./usr/share/icons/hicolor/32x32/apps/pelvoro.png; do
    grep -qx -- "$path" <<<"$contents" || fail "$path is not in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libfltk1.3 libx11-6 libstdc++6 libc6; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
out=$("$root/usr/bin/pelvoro-convert" --fps 29.97 0:10)
[[ "$out" == 300.700 ]] || fail "the packaged converter printed '$out'"
grep -q '^Exec=pelvoro$' "$root/usr/share/applications/pelvoro.desktop" || fail "the desktop entry does not start pelvoro"

echo "$deb: Depends: $depends"
echo "$failures failures"
[[ $failures -eq 0 ]]
