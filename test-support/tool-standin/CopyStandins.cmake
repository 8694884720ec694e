# Copies SOURCE into DEST once per name of NAMES (comma-separated): <name>.exe.
string(REPLACE "," ";" NAMES "${NAMES}")
foreach(name IN LISTS NAMES)
  file(COPY_FILE "${SOURCE}" "${DEST}/${name}.exe" ONLY_IF_DIFFERENT)
endforeach()
