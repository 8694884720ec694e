#!/usr/bin/env bash
# Checks the export names of Shorvik.dll both ways:
# - the DLL exports exactly the names of Shorvik.def;
# - compiling the public header's declarations with clang for the other
#   compiler's i686 target gives exactly the .def aliases, and for the MinGW
#   i686 target exactly the MinGW names.
# Usage: check-export-names.sh <objdump> <Shorvik.dll> <Shorvik.def> <include dir> <work dir>
set -euo pipefail
objdump="$1" dll="$2" def="$3" include="$4" work="$5"
mkdir -p "$work"
fail=0

for tool in clang llvm-nm; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (Debian packages clang, llvm)" >&2; exit 1; }
done

# Names of the .def: "mingw" lines and "alias=mingw" lines.
grep -E '^[[:space:]]+[_?]' "$def" | sed 's/^[[:space:]]*//; s/[[:space:]]*$//' >"$work/def_lines"
sed -n 's/^\([^=]*\)=.*/\1/p' "$work/def_lines" | sort >"$work/def_aliases"
grep -v '=' "$work/def_lines" | sort >"$work/def_mingw"
sort "$work/def_aliases" "$work/def_mingw" >"$work/def_all"

"$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' \
  | sort >"$work/dll_exports"
if ! diff -u "$work/def_all" "$work/dll_exports"; then
  echo "the export table of $dll differs from $def" >&2
  fail=1
fi

# A translation unit that refers to every exported function of the header.
{
  echo '#include "shorvik/Shorvik.h"'
  echo 'typedef void (*AnyFunction)();'
  echo 'AnyFunction shorvikFunctions[] = {'
  sed -n 's/^?\([A-Za-z0-9_]*\)@@.*/  reinterpret_cast<AnyFunction>(\&\1),/p' "$work/def_aliases"
  echo '};'
} >"$work/functions.cpp"

clang --target=i686-pc-windows-msvc -std=c++17 -c -I "$include" "$work/functions.cpp" -o "$work/msvc.obj"
llvm-nm -u "$work/msvc.obj" | sed 's/^[[:space:]]*U[[:space:]]*//' | grep '^?' | sort >"$work/msvc_names"
if ! diff -u "$work/def_aliases" "$work/msvc_names"; then
  echo "the .def aliases differ from the other compiler's names" >&2
  fail=1
fi

clang --target=i686-w64-windows-gnu -std=c++17 -c -I "$include" "$work/functions.cpp" -o "$work/mingw.o"
# i686 symbols carry one extra leading underscore; the .def names omit it.
llvm-nm -u "$work/mingw.o" | sed 's/^[[:space:]]*U[[:space:]]*//' | grep '^__Z' | sed 's/^_//' | sort >"$work/mingw_names"
if ! diff -u "$work/def_mingw" "$work/mingw_names"; then
  echo "the .def MinGW names differ from the MinGW i686 names" >&2
  fail=1
fi

[ "$fail" = 0 ] && echo "export names: $(wc -l <"$work/def_all") names agree"
exit $fail
