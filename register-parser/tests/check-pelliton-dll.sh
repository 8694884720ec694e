#!/usr/bin/env bash
# Pelliton.dll exports both parser classes whole and getChipPin, and imports
# nothing beyond Windows' own DLLs.  A caller compiled from the classes as
# their callers declare them (PellitonCaller.h) finds every name it needs in
# the export table, and links against the import library.
# Usage: check-pelliton-dll.sh <objdump> <Pelliton.dll> <c++ compiler> <nm>
#        <import library> <cstring library> <work dir> <include dirs, ":"-separated>...
set -euo pipefail
objdump_tool="$1"
dll="$2"
cxx="$3" nm_tool="$4" import_lib="$5" cstring_lib="$6" work="$7"
shift 7
includes=()
for list in "$@"; do
  IFS=: read -ra dirs <<<"$list"
  for dir in "${dirs[@]}"; do includes+=(-I "$dir"); done
done
checks="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$work"
dump="$("$objdump_tool" -p "$dll")"
exports="$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p')"
status=0
# Here-strings, not pipes: grep -q stops reading at its first match, and the
# writer's SIGPIPE then failed the pipeline under pipefail now and then.
need() {
  if ! grep -q -- "$1" <<<"$exports"; then
    echo "missing export: $1 ($2)"
    status=1
  fi
}
need '_ZN10CCsvParserC[12]Ev' 'CCsvParser()'
need '_ZN10CCsvParserC[12]EPKc$' 'CCsvParser(const char*)'
need '_ZN10CCsvParserC[12]EPKcS1_S1_' 'CCsvParser(folder, id, time)'
need '_ZN10CCsvParserC[12]EPKcb' 'CCsvParser(const char*, bool)'
need '_ZN10CCsvParserC[12]ERKS_' 'copy constructor'
need '_ZN10CCsvParseraSERKS_' 'operator='
need '_ZN10CCsvParserD[12]Ev' 'destructor'
for member in init isParserReady getTable getStartAddr lookUp getParamAddress setVerbose \
              initParser initData createData getRowSize getNonEmptyLine getMainCodeIdAndBuildTime \
              findMatchFile parseMainCodeID parseUSBDescID checkFileType parsePinAssign parsePinAssignRX \
              parsePinAssignTX parseCtrlPinTable checkDefineEffectedItems checkParmType \
              ParserRemoveSpaceAndTab startParse; do
  need "_ZN10CCsvParser${#member}${member}E" "CCsvParser::$member"
done
need '_ZN10CCfgParserC[12]EPKc' 'CCfgParser(const char*)'
need '_ZN10CCfgParserC[12]ERKS_' 'CCfgParser copy constructor'
need '_ZN10CCfgParseraSERKS_' 'CCfgParser::operator='
need '_ZN10CCfgParserD[12]Ev' 'CCfgParser destructor'
for member in setVerbose getContent parseFile filterComment parseLine getValue; do
  need "_ZN10CCfgParser${#member}${member}E" "CCfgParser::$member"
done
need '_Z10getChipPinRK13RegisterTablei' 'getChipPin'

# The names the compiler gives the callers' declarations, without the import
# prefix and the extra leading underscore of i686 symbols.
"$cxx" -std=c++17 -c "${includes[@]}" "$checks/PellitonCaller.cpp" -o "$work/caller.o"
"$nm_tool" -u "$work/caller.o" | sed -n 's/^[[:space:]]*U[[:space:]]*__imp_//p' | sed 's/^_\(_Z\)/\1/' \
  | grep -E '^_Z(N10CC(sv|fg)Parser|10getChipPin)' | sort -u >"$work/caller_names"
printf '%s\n' "$exports" | sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort -u >"$work/dll_names"
while read -r name; do
  echo "not exported for callers: $name"
  status=1
done < <(comm -23 "$work/caller_names" "$work/dll_names")
if ! "$cxx" "$work/caller.o" -o "$work/caller.exe" "$import_lib" "$cstring_lib" 2>"$work/link.log"; then
  echo "a caller built from the callers' declarations does not link:"
  grep -i 'undefined' "$work/link.log" | sed 's/^.*undefined reference to/  undefined/' | sort -u
  status=1
fi

allowed='^(KERNEL32|msvcrt|USER32|ADVAPI32|ntdll)\.dll$'
while read -r name; do
  if ! grep -qiE "$allowed" <<<"$name"; then
    echo "unexpected import: $name"
    status=1
  fi
done < <(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p')
[ "$status" -eq 0 ] && echo "Pelliton.dll: exports and imports as expected"
exit "$status"
