#!/usr/bin/env bash
# Checks the Windows release zip: both programs, the README and the licence,
# in one folder named after the release. Usage: check_windows_zip.sh ZIP
set -u
zip=$1
failures=0
name=$(basename "$zip" .zip)
[[ "$name" =~ ^pelvoro-[0-9]+\.[0-9]+\.[0-9]+-win32$ ]] || { echo "FAIL: the zip is called $name.zip"; failures=1; }
listing=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
expected=$(printf '%s\n' "$name/LICENSE" "$name/README.md" "$name/pelvoro-convert.exe" "$name/pelvoro.exe" | sort)
if [[ "$listing" != "$expected" ]]; then
    printf 'FAIL: the zip holds\n%s\nnot\n%s\n' "$listing" "$expected"
    failures=$((failures + 1))
fi
echo "$zip: $(echo $listing)"
echo "$failures failures"
[[ $failures -eq 0 ]]
