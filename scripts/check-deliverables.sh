#!/usr/bin/env bash
# Checks the shipped files of a Windows build: each exists, is a PE file of
# the build's machine (PE32 i386 for the product, x86-64 for the twin), and
# imports only Windows' own DLLs and the suite's.  A file that links a MinGW
# runtime DLL or any other library would not start on a line station.
#   check-deliverables.sh <objdump> <pei-i386|pei-x86-64> <file>...
set -uo pipefail
objdump="$1"
format="$2"
shift 2

# Windows' own DLLs that the suite may use, and the suite's own.
allowed="kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll comdlg32.dll
ole32.dll oleaut32.dll gdiplus.dll version.dll msvcrt.dll setupapi.dll shlwapi.dll winmm.dll
portaq.dll pelliton.dll shorvik.dll"

status=0
for file in "$@"; do
    name=$(basename "$file")
    if [ ! -f "$file" ]; then
        echo "$name: missing ($file)"
        status=1
        continue
    fi
    if ! "$objdump" -f "$file" | grep -q "file format $format\$"; then
        echo "$name: not $format: $("$objdump" -f "$file" | grep 'file format')"
        status=1
        continue
    fi
    imports=$("$objdump" -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
    if [ -z "$imports" ]; then
        echo "$name: no import table"
        status=1
    fi
    for dll in $imports; do
        case " $(echo $allowed) " in
        *" $dll "*) ;;
        *)
            echo "$name: imports $dll, which is neither Windows' nor the suite's"
            status=1
            ;;
        esac
    done
    echo "$name: $format, imports $(echo $imports)"
done
exit $status
