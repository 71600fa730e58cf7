#!/usr/bin/env bash
# Checks what a Windows program of ours is made of: a 32-bit program that
# needs no DLL beside it and imports only functions Windows XP SP3 has,
# declared for Windows 5.1, stripped, with version information and no
# manifest; the window program also of at most 200 KB, with its icon.
# Usage: check_windows_program.sh [--window] PROGRAM.EXE
set -u
here=$(dirname "$0")
window=false
[[ "${1:-}" == --window ]] && { window=true; shift; }
exe=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

kind=$(file -b "$exe")
if $window; then
    [[ "$kind" == "PE32 executable (GUI) Intel 80386"* ]] || fail "not a 32-bit GUI program: $kind"
else
    [[ "$kind" == "PE32 executable (console) Intel 80386"* ]] || fail "not a 32-bit console program: $kind"
fi
[[ "$kind" == *"stripped to external PDB"* || -z "$(i686-w64-mingw32-objdump -h "$exe" | grep -E ' \.debug_')" ]] \
    || fail "carries debug sections"

imports=$("$here/list_imports.sh" "$exe")
[[ -n "$imports" ]] || fail "no imports read"
allowed=$(grep -v '^#' "$here/windows-xp-sp3-functions.txt")
missing=$(comm -23 <(echo "$imports") <(echo "$allowed" | sort -u))
[[ -z "$missing" ]] || fail "imports what Windows XP SP3 does not have, or the list does not name: $(echo $missing)"

headers=$(i686-w64-mingw32-objdump -p "$exe")
for field in MajorOSystemVersion MinorOSystemVersion MajorSubsystemVersion MinorSubsystemVersion; do
    want=5
    [[ $field == Minor* ]] && want=1
    value=$(awk -v f="$field" '$1 == f { print $2 }' <<<"$headers")
    [[ "$value" == "$want" ]] || fail "$field is '$value', not $want (Windows XP is 5.1)"
done

resources=$(wrestool -l "$exe")
grep -q -- '--type=16 ' <<<"$resources" || fail "no version information"
! grep -q -- '--type=24 ' <<<"$resources" || fail "carries a manifest: the window would lose the classic look"
version=$(wrestool -x --raw --type=16 "$exe" | tr -d '\0' | grep -ao 'ProductVersion[0-9.]*' | head -n 1)
[[ -z "${PELVORO_VERSION:-}" || "$version" == "ProductVersion$PELVORO_VERSION" ]] || fail "version information says '$version'"

size=$(stat -c %s "$exe")
if $window; then
    ((size <= 200 * 1024)) || fail "$size bytes, more than 200 KB"
    grep -q -- '--type=14 --name=101 --language=1041' <<<"$resources" || fail "no icon group 101 in Japanese: $resources"
    icons=$(grep -c -- '--type=3 ' <<<"$resources")
    ((icons == 1)) || fail "$icons icon images, not one"
    picture=$(wrestool -x --raw -t 3 "$exe" | head -c 40 | od -An -tu4 -j4 -N12 | tr -s ' ')
    [[ "$picture" == " 32 64 524289" ]] || fail "icon image is not 32 x 32 at 8 bits per pixel: $picture"
fi

echo "$exe: $kind, $size bytes, $(wc -l <<<"$imports") imports, all on Windows XP SP3"
echo "$failures failures"
[[ $failures -eq 0 ]]
