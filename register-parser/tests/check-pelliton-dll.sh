#!/usr/bin/env bash
# Pelliton.dll exports both parser classes whole and getChipPin, and imports
# nothing beyond Windows' own DLLs.
set -euo pipefail
objdump_tool="$1"
dll="$2"
dump="$("$objdump_tool" -p "$dll")"
exports="$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p')"
status=0
need() {
  if ! printf '%s\n' "$exports" | grep -q -- "$1"; then
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

allowed='^(KERNEL32|msvcrt|USER32|ADVAPI32|ntdll)\.dll$'
while read -r name; do
  if ! printf '%s\n' "$name" | grep -qiE "$allowed"; then
    echo "unexpected import: $name"
    status=1
  fi
done < <(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p')
[ "$status" -eq 0 ] && echo "Pelliton.dll: exports and imports as expected"
exit "$status"
