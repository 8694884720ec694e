#!/usr/bin/env bash
# Portaq.dll exports every library function under its plain name.
set -euo pipefail
objdump="$1"; dll="$2"
table=$("$objdump" -p "$dll")
status=0
for name in IO_OpenDevice IO_ReportToOS IO_SetChipIndex IO_ReadData IO_ReadWriteMemData IO_SetRawMode \
            IO_GetDeviceType IO_GetDeviceTypeByPath IO_GetDevicePath IO_GetVidPiD IO_SetRetryValue \
            IO_IsNeedReInstall IO_ClearReInstallFlag IO_SetVerbose; do
  if ! grep -Eq "[[:space:]]$name\$" <<<"$table"; then
    echo "missing export: $name"; status=1
  fi
done
if grep -Eq "IO_[A-Za-z]+@[0-9]+" <<<"$table"; then echo "decorated export found"; status=1; fi
exit $status
