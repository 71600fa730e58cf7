#!/usr/bin/env bash
# Checks what the Windows build of the converter is made of: a 32-bit GUI
# program, no runtime DLL beside it, at most 2 MiB, and its icon resource.
# Usage: check_windows_program.sh PELVORO.EXE
set -u
exe=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

kind=$(file -b "$exe")
[[ "$kind" == "PE32 executable (GUI) Intel 80386"* ]] || fail "not a 32-bit GUI program: $kind"

dlls=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
for dll in $dlls; do
    case "$dll" in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | MSVCRT.DLL) ;;  # part of every Windows
    *) fail "needs $dll beside it" ;;
    esac
done

size=$(stat -c %s "$exe")
((size <= 2 * 1024 * 1024)) || fail "$size bytes, more than 2 MiB"

resources=$(wrestool -l "$exe")
grep -q -- '--type=14 --name=101 --language=1041' <<<"$resources" || fail "no icon group 101 in Japanese: $resources"
icons=$(grep -c -- '--type=3 ' <<<"$resources")
((icons == 1)) || fail "$icons icon images, not one"
wrestool -x --type=14 --name=101 "$exe" > /dev/null || fail "icon group 101 cannot be read"
picture=$(wrestool -x --raw -t 3 "$exe" | head -c 40 | od -An -tu4 -j4 -N12 | tr -s ' ')
[[ "$picture" == " 32 64 524289" ]] || fail "icon image is not 32 x 32 at 8 bits per pixel: $picture"

echo "$exe: $kind, $size bytes, imports $dlls, icon group 101 (1041)"
echo "$failures failures"
[[ $failures -eq 0 ]]
