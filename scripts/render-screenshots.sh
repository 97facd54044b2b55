#!/usr/bin/env bash
# Renders the pictures of the window that README.md and the AppStream
# metainfo show, from the built program, in English, so they stay current:
#   docs/screenshots/ticket.png   a ticket calculated after the start-up update
#   docs/screenshots/chart.png    the frequency chart of the stored draws
# The program runs as a new user (its default settings and language) in a
# real X server (Xvfb) against the bundled results server on loopback.
#   scripts/render-screenshots.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${KUGEL_BUILD_DIR:-$root/build}}
bin=$build/bin
out=$root/docs/screenshots
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/install-deps.sh installs it" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A new user of a program that keeps its files in --home.
export HOME=$work/user XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=
home=$work/home
mkdir -p "$HOME" "$home"
cp -r "$bin/land" "$bin/Script" "$bin/icons" "$bin/yippee.wav" "$home/"

"$bin/kugelmeister-server" --port 0 --data "$root/data/au-powerball-6of40-2013-2018.csv" \
  >"$work/server.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  grep -q '^listening on ' "$work/server.log" && break
  sleep 0.1
done
server=$(sed -n 's/^listening on //p' "$work/server.log")
[ -n "$server" ] || { cat "$work/server.log" >&2; exit 1; }
# The history, filled as the window's start-up would.
"$bin/kugelmeister-cli" --home "$home" --server "$server" --no-progress update >/dev/null

display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# Starts the program on a page, waits until its window shows and its start-up
# update is over, clicks at X Y of the window when given, then grabs it.
shoot() {
  local page=$1 file=$2 x=${3:-} y=${4:-}
  "$bin/kugelmeister" --home "$home" --server "$server" --page "$page" >>"$work/program.log" 2>&1 &
  local pid=$!
  local window
  window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid" --class kugelmeister | head -n 1)
  sleep 3
  if [ -n "$x" ]; then
    xdotool mousemove --window "$window" "$x" "$y" click 1
    sleep 5
  fi
  import -window "$window" "$work/shot.png"
  # No metadata, no time stamp: the same window gives the same file.
  convert "$work/shot.png" -strip -define png:exclude-chunks=date,time "$out/$file"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "wrote docs/screenshots/$file"
}

mkdir -p "$out"
# A ticket of twelve rows: the button "Calculate games".
shoot TabSheet1 ticket.png 147 440
# The frequency chart: the first button above the chart.
shoot TabSheet5 chart.png 20 60
