#!/usr/bin/env bash
# The main job: builds the suite's programs, then runs a whole production test
# on the demo station (demo/station, docs/demo-station.md) under Wine: a pass
# run, then a fail run on a panel with a shorted node, and prints what each
# left behind.  Then Trelliq.exe on its bench station, every kind played by
# the input driver.  Exit 0 when the pass run passed, the fail run failed as
# expected and every Trelliq kind that writes a verdict passed.
#   DEMO_TIME_LIMIT  seconds one Vantro run may take (default 180)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
limit="${DEMO_TIME_LIMIT:-180}"
begin=$(date +%s)

bash scripts/setup.sh
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-3}"
cmake --preset windows64 --log-level=WARNING >/dev/null
cmake --build --preset windows64 --target Vantro Cendra Ferrit Trelliq Merrow Pelliton portaq portaq-panel \
  input_drive standin_copies >/dev/null

bin="$root/build/windows64/bin"
work="$root/build/demo"
mkdir -p "$work"

# One Wine session of our own (prefix, Xvfb 1920x1080, wineserver), so that
# Vantro, the programs it starts and the input driver share one desktop.
bash scripts/wine-session start "$work" >/dev/null
stop_all() { bash "$root/scripts/wine-session" stop "$work" >/dev/null 2>&1 || true; }
trap stop_all EXIT
export WINEPREFIX="$work/wine/prefix" WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
DISPLAY="$(cat "$work/wine/session/DISPLAY")"
export DISPLAY

show() { # file: print it with CR LF turned into LF
  sed 's/\r$//' "$1"
}

# A copy of the station with the built programs in place and a fresh panel.
prepare() { # folder
  local folder="$1"
  rm -rf "$folder"
  cp -r "$root/demo/station" "$folder"
  cp "$bin/Cendra.exe" "$bin/Ferrit.exe" "$bin/Portaq.dll" "$bin/Pelliton.dll" "$folder/dev/"
  for tool in BarcodeScanner Quenfor Halvorn; do cp "$bin/standins/$tool.exe" "$folder/dev/"; done
  cp "$bin/standins/Dreffin.exe" "$folder/dev/CheckFwId.exe"
  cp "$bin/Trelliq.exe" "$bin/Portaq.dll" "$folder/"
  (cd "$folder" && wine "$bin/portaq-panel.exe" create panel panel.txt >/dev/null)
}

# The simulated controller's journal: calls per process, each process named
# by what it did (the library journals process ids, not names).
journal_summary() { # journal
  sed 's/\r$//' "$1" | awk '
    { split($1, p, "="); pid = p[2]; if (!(pid in calls)) order[++n] = pid; calls[pid]++
      call = $3; sub(/\(.*/, "", call); kinds[pid, call]++
      if ($0 ~ /IO_ReadWriteMemData\(#[0-9]+, 0x2000/) name[pid] = "Cendra (" $2 ")"
      else if ($0 ~ /IO_ReadData\(#[0-9]+, 0x5A000003/) name[pid] = "Ferrit"
      else if ($0 ~ /IO_ReadWriteMemData\(#[0-9]+, 0xA000C00/) name[pid] = "Quenfor (stand-in)"
      else if ($0 ~ /IO_ReadData\(#[0-9]+, 0x5A000000/ && !(pid in name)) name[pid] = "Trelliq" }
    END { for (i = 1; i <= n; i++) { pid = order[i]
            label = (pid in name) ? name[pid] : (i == 1 ? "Vantro" : "pid " pid)
            line = sprintf("  %-22s %4d calls:", label, calls[pid])
            for (key in kinds) { split(key, k, SUBSEP); if (k[1] == pid) line = line " " k[2] "=" kinds[key] }
            print line } }'
  echo "  firmware id writes:"
  grep -a "0xA000C00" "$1" | grep -a "IO_ReadWriteMemData" | sed 's/\r$//; s/^/    /' || echo "    (none)"
}

# Each tool's time and Vantro's own time between tools.  APcostime.txt
# (the tool runner's start and end lines) has whole seconds; the stand-ins
# stamp their runs to the millisecond in dev/standin-clock.txt
# (NORQ_STANDIN_CLOCK), from the process's creation to its end, matched to
# the runner's lines in order by tool name.  A gap next to one of the
# suite's own programs (Cendra, Ferrit, Trelliq) is known to the second only.
# The reboot waits after the update and the self test poll once a second for
# the device's return (the first look comes at the tool's end): those whole
# seconds are the wait, the rest of the gap is Vantro's own work.
# Wine's own cost between two tools, the floor of every gap: the stand-in
# started nine times in a row by cmd in this session, nothing between; the
# median of the eight gaps (the end of one run to the creation of the next).
launch_floor() {
  local folder="$work/clock-floor"
  rm -rf "$folder" && mkdir -p "$folder"
  cp "$bin/standins/Zemble.exe" "$folder/"
  printf 'exit 0\n' >"$folder/Zemble.script"
  (cd "$folder" && NORQ_STANDIN_CLOCK=1 wine cmd /c "$(printf 'Zemble.exe & %.0s' 1 2 3 4 5 6 7 8)Zemble.exe" \
    >/dev/null 2>&1) || true
  [ -f "$folder/standin-clock.txt" ] || { echo 0; return; }
  sed 's/\r$//' "$folder/standin-clock.txt" | awk '
    function ms(t,  a) { split(t, a, ":"); return ((a[1] * 60 + a[2]) * 60) * 1000 + int(a[3] * 1000 + 0.5) }
    function field(line, key,  at) { at = index(line, key "="); return substr(line, at + length(key) + 1 + 11, 12) }
    $1 == "start" && last != "" { gap[++n] = ms(field($0, "created")) - last }
    $1 == "exit" { last = ms(field($0, "at")) }
    END { if (n == 0) { print 0; exit }
          for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (gap[j] < gap[i]) { t = gap[i]; gap[i] = gap[j]; gap[j] = t }
          print gap[int((n + 1) / 2)] }'
}

timing() { # APcostime.txt standin-clock.txt floor-ms
  local clock="$2"
  [ -f "$clock" ] || clock=/dev/null
  sed 's/\r$//' "$clock" "$1" | awk -v clocklines="$(sed -n '$=' "$clock")" -v floor="$3" '
    function ms(t,  a) { split(t, a, ":"); return ((a[1] * 60 + a[2]) * 60) * 1000 + int(a[3] * 1000 + 0.5) }
    function secs(t,  a) { split(t, a, ":"); return (a[1] * 60 + a[2]) * 60 + a[3] }
    function field(line, key,  at) { at = index(line, key "="); return substr(line, at + length(key) + 1 + 11, 12) }
    NR <= clocklines {
      split($2, kv, "="); tool = kv[2]
      if ($1 == "start") { n = ++starts[tool]; created[tool, n] = ms(field($0, "created")) }
      else if ($1 == "exit") { n = ++exits[tool]; ended[tool, n] = ms(field($0, "at")) }
      next }
    /^start time:/ { s = secs($4); name = $5; sub(/.*\\/, "", name); sub(/\.exe$/, "", name)
                     run = ++runs[name]; fine = ((name, run) in created) && ((name, run) in ended) }
    /^end +time:/ { e = secs($4)
      step = steps[name]; if (name == "Halvorn") step = run == 1 ? "SelfTest" : "MutualTest"
      if (step == "") step = "?"
      note = ""
      if (prev == "") gap = "-"
      else if (fine && prevfine) {
        g = created[name, run] - prevend; if (g < 0) g += 86400000
        gap = g " ms"
        wait = (prevstep == "UpdateFirmware" || prevstep == "SelfTest") ? int(g / 1000) * 1000 : 0
        own = g - wait - floor; ownsum += own; finetool += prevms
        note = "Wine " floor " ms"
        if (wait > 0) note = note " + reboot wait " wait " ms"
        note = note " + Vantro " own " ms"
        note = note sprintf(" = %.1f %% of %s", 100 * own / prevms, prevname)
      } else { gap = (s - prevs) " s*" }
      if (fine) { t = ended[name, run] - created[name, run]; tooltime = t " ms" } else { t = 0; tooltime = (e - s) " s*" }
      printf "  %-15s %-15s %9s %10s  %s\n", step, name, tooltime, gap, note
      prev = name; prevname = name; prevstep = step; prevfine = fine; prevms = t; prevs = e
      prevend = fine ? ended[name, run] : 0 }
    BEGIN { steps["BarcodeScanner"] = "ScanBarcode"; steps["Cendra"] = "OnlineSetParm"; steps["Ferrit"] = "Ferrit"
            steps["Quenfor"] = "UpdateFirmware"; steps["CheckFwId"] = "CheckFWID"; steps["Trelliq"] = "LinearTest"
            printf "  %-15s %-15s %9s %10s  %s\n", "step", "tool", "tool time", "gap before", "of which" }
    END { print "  * whole seconds from APcostime.txt (no finer clock in the suite'"'"'s own programs)"
          if (finetool > 0)
            printf "  between two stand-ins: Vantro %d ms of own work after %d ms of tools = %.1f %%\n", ownsum, finetool, 100 * ownsum / finetool
          printf "  Wine %d ms per gap: the median of eight gaps between back-to-back stand-in runs\n", floor }'
}

run_station() { # title folder
  local title="$1" folder="$2" code drive
  echo
  echo "=================== $title ($folder)"
  # The input driver waits for the Trelliq.exe that the LinearTest step starts.
  (cd "$folder" && timeout "$limit" wine "$bin/input_drive.exe" --program Trelliq.exe strokes\\linear-pass.txt \
    >drive.txt 2>&1) &
  drive=$!
  set +e
  (cd "$folder" && PORTAQ_SIM_DIR="$folder/panel" VANTRO_CONSOLE_COPY=console.txt NORQ_STANDIN_CLOCK=1 \
    timeout -k 5 "$limit" wine "$bin/Vantro.exe" >/dev/null 2>&1)
  code=$?
  set -e
  if [ "$code" -eq 124 ] || [ "$code" -eq 137 ]; then
    echo "Vantro did not end within $limit s: the run is stopped" >&2
    exit 3
  fi
  wait "$drive" || true
  echo "--- console"
  show "$folder/console.txt"
  local results
  results="$(find "$folder" -name OperationResult.csv -not -path '*/panel/*' | head -n 1)"
  echo "--- OperationResult.csv (${results#"$folder"/})"
  [ -n "$results" ] && show "$results"
  for file in PASS.txt FAIL.txt Ferrit.txt VID_PID.txt LinearResult.txt; do
    [ -f "$folder/$file" ] && { echo "--- $file"; show "$folder/$file"; echo; }
  done
  local logs
  logs="$(find "$folder" -mindepth 2 -maxdepth 2 -type d -name 'Log*' | head -n 1)"
  echo "--- logs saved to ${logs#"$folder"/}"
  [ -n "$logs" ] && ls -l "$logs" | tail -n +2
  echo "--- JPEG screenshots"
  find "$folder" -name '*.jpg' -printf '  %P %s bytes\n'
  echo "--- input driver"
  show "$folder/drive.txt"
  echo "--- controller journal (panel/journal.txt)"
  journal_summary "$folder/panel/journal.txt"
  local costime
  costime="$(find "$folder" -name APcostime.txt | head -n 1)"
  if [ -n "$costime" ]; then
    echo "--- step timing (${costime#"$folder"/})"
    timing "$costime" "$folder/dev/standin-clock.txt" "$floor"
  fi
  echo "Vantro exit code: $code"
  last_code=$code
}

# The register table as Cendra reads it on the station.
rm -rf "$work/merrow" && cp -r "$root/demo/station/register-tables" "$work/merrow"
(cd "$work/merrow" && wine "$bin/Merrow.exe" Q50_Online_0050.csv >/dev/null)
echo "Merrow turned the station's register table into $(ls "$work/merrow"/*.tbl)"

floor="$(launch_floor)"
prepare "$work/pass"

run_station "pass run" "$work/pass"
pass_code=$last_code

prepare "$work/fail"
cp "$root/demo/station/fail/Halvorn.2.script" "$work/fail/dev/"
run_station "fail run: node (3,3) shorted" "$work/fail"
fail_code=$last_code

bash scripts/demo-trelliq.sh "$work/trelliq" && trelliq=0 || trelliq=$?

echo
echo "main job: $(($(date +%s) - begin)) s"
status=0
[ "$pass_code" -eq 0 ] || { echo "the pass run did not pass (exit $pass_code)" >&2; status=1; }
[ "$fail_code" -eq 255 ] || { echo "the fail run did not end FAIL (exit $fail_code)" >&2; status=1; }
[ "$trelliq" -eq 0 ] || { echo "a Trelliq kind did not pass" >&2; status=1; }
exit $status
