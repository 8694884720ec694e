#!/usr/bin/env bash
# Trelliq.exe on its bench station (demo/trelliq-bench), in the Wine session
# that scripts/demo.sh started: every kind with its pass script, then the
# three fail scripts that end at once.  For each: the kind, "LinearResult.txt"
# (or that the kind writes none), the JPEG and the input driver's capture of
# the finished screen.  Exit 1 when a kind that writes a verdict did not pass.
#   demo-trelliq.sh <work folder>
set -uo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
work="${1:?usage: demo-trelliq.sh <work folder>}"
bin="$root/build/windows64/bin"
bench="$root/demo/trelliq-bench"
status=0

# kind index, script, what it writes: "verdict" or "none"
runs=(
  "0 linear-in-order-pass verdict"
  "1 trace-pass verdict"
  "2 paint-pass none"
  "3 report-rate-pass verdict"
  "4 accuracy-pass verdict"
  "5 jitter-pass verdict"
  "6 sensitivity-pass none"
  "7 linear-without-order-pass verdict"
  "3 report-rate-fail fail"
  "5 jitter-fail fail"
  "6 sensitivity-fail none"
)

echo
echo "=================== Trelliq.exe on the bench station"
for entry in "${runs[@]}"; do
  read -r mode script writes <<<"$entry"
  folder="$work/$script"
  rm -rf "$folder"
  mkdir -p "$work"
  cp -r "$bench" "$folder"
  mkdir -p "$folder/Shots"
  cp "$bin/Trelliq.exe" "$bin/Portaq.dll" "$folder/"
  sed -i "s/^InitialMode=.*/InitialMode=$mode/" "$folder/LinearConfig.ini"
  # Events posted to the canvas (the desktop's focus does not matter), and the
  # driver's capture of the finished screen just before the script leaves it.
  awk 'BEGIN { print "mode post" } /^key E/ && !done { print "capture finished.bmp"; done = 1 } { print }' \
    "$bench/strokes/$script.txt" >"$folder/drive-script.txt"
  (cd "$folder" && wine "$bin/portaq-panel.exe" create panel - </dev/null >/dev/null 2>&1)
  (cd "$folder" && PORTAQ_SIM_DIR="$folder/panel" timeout -k 5 90 wine Trelliq.exe >/dev/null 2>&1) &
  trelliq=$!
  drive="$(cd "$folder" && timeout 90 wine "$bin/input_drive.exe" --program Trelliq.exe drive-script.txt 2>&1 |
    tr -d '\r')"
  wait "$trelliq" || true
  result="$( { tr -d '\r' <"$folder/LinearResult.txt"; } 2>/dev/null | head -n 1)"
  jpeg="$(cd "$folder" && find Shots -name '*.jpg' -printf '%p %s bytes' -quit)"
  case "$writes" in
    none) said="writes no LinearResult.txt$([ -n "$result" ] && echo " (but: $result)")" ;;
    *) said="LinearResult.txt: ${result:-(none)}" ;;
  esac
  capture="$( [ -s "$folder/finished.bmp" ] && stat -c '%s bytes' "$folder/finished.bmp" || echo none)"
  printf '%-28s InitialMode %s  %s\n    JPEG %s; capture finished.bmp %s; driver: %s\n' \
    "$script" "$mode" "$said" "${jpeg:-none}" "$capture" "$drive"
  if [ "$writes" = verdict ] && [ "$result" != "Result=1" ]; then status=1; fi
done
exit $status
