#!/usr/bin/env bash
# Shorvik.dll must load by itself in any process: it may import only from the
# system's KERNEL32.dll and msvcrt.dll.
# Usage: check-dll-imports.sh <objdump> <Shorvik.dll>
set -euo pipefail
objdump="$1" dll="$2"
imports=$("$objdump" -p "$dll" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -u | tr '\n' ' ')
if [ "$imports" != "KERNEL32.dll msvcrt.dll " ]; then
  echo "unexpected imports of $dll: $imports" >&2
  exit 1
fi
echo "imports: $imports"
