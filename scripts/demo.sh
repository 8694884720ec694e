#!/usr/bin/env bash
# The main job on the demo station: builds everything, then runs the suite's
# programs under Wine in a copy of the demo station folder and says what ran.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

bash scripts/setup.sh
for preset in windows windows64; do
  cmake --preset "$preset" --log-level=WARNING >/dev/null
  cmake --build --preset "$preset" >/dev/null
done

bin="$root/build/windows64/bin"
station="$root/build/demo-station"
rm -rf "$station"
cp -r "$root/demo" "$station"
rm -f "$station/CMakeLists.txt"

run() { # program, args... (run under Wine in the station folder)
  echo "+ $*" | sed "s|$bin/||"
  (cd "$station" && "$root/scripts/wine-run" "$@")
}

if [ -x "$bin/Merrow.exe" ]; then
  table="$(cd "$station" && ls register-tables/*.csv | head -n 1)"
  run "$bin/Merrow.exe" "$table"
  echo "Merrow turned $station/$table into $station/${table%.*}.tbl"
  ls -l "$station/${table%.*}.tbl"
else
  echo "Merrow.exe is not built yet: nothing to run on the demo station" >&2
  exit 1
fi

# Vantro in console mode on the same station: a simulated panel, the
# stand-in as the device-console tools, one "ReInstall" step.
if [ -x "$bin/Vantro.exe" ]; then
  mkdir -p "$station/dev"
  cp "$bin"/standins/devcon_*.exe "$station/dev/"
  # The Drawing setting's program, with the device library it loads.
  if [ -f "$bin/Trelliq.exe" ]; then
    cp "$bin/Trelliq.exe" "$bin/Portaq.dll" "$station/"
  fi
  run "$bin/portaq-panel.exe" create "$station/panel" "$station/vantro-panel.txt" >/dev/null
  set +e
  echo "+ Vantro.exe (console mode, in $station)"
  (cd "$station" && PORTAQ_SIM_DIR="$station/panel" VANTRO_CONSOLE_COPY=console.txt \
    "$root/scripts/wine-run" "$bin/Vantro.exe" >/dev/null)
  code=$?
  set -e
  echo "Vantro ran in $station"
  for file in console.txt PASS.txt FAIL.txt VID_PID.txt 'TestLogs/OperationResult.csv'; do
    if [ -f "$station/$file" ]; then
      echo "--- $file"
      sed 's/\r$//' "$station/$file"
    fi
  done
  echo "Vantro exit code: $code"
  [ "$code" -eq 0 ] || exit 1
else
  echo "Vantro.exe is not built yet" >&2
  exit 1
fi
