#!/usr/bin/env bash
# Prints what a Windows program imports, one "DLL function" a line, the DLL
# in capitals. Usage: list_imports.sh PROGRAM.EXE
i686-w64-mingw32-objdump -p "$1" | awk '
    /DLL Name:/ { dll = toupper($3); next }
    dll != "" && /^\t[0-9a-f]+\t? +[0-9]+ +[A-Za-z_]/ { print dll, $3; next }
    /^$/ { dll = "" }' | sort -u
