#!/usr/bin/env bash
# Installs the Debian packages a task needs, when they are missing.
# Usage: install-deps.sh run|test
set -eu

run_packages=(cmake ninja-build g++ libfltk1.3-dev)
test_packages=("${run_packages[@]}" googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
               g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 xvfb xdotool xclip imagemagick bc time
               python3 valgrind x11-utils openbox wmctrl icoutils libxdamage-dev dpkg-dev
               wine wine32:i386 debhelper lintian scdoc desktop-file-utils appstream unzip file)

case "${1:-}" in
run) wanted=("${run_packages[@]}") ;;
test) wanted=("${test_packages[@]}") ;;
*) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ "$status" == installed ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
