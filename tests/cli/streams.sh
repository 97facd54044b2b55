#!/usr/bin/env bash
# How the commands for people treat their streams and say what happened:
# output that cannot be written, versions, unknown commands, the user's
# locale, a date after the newest draw, a damaged history, a server that
# ends the update. (The progress bar on a terminal: terminal.sh.)
# The transcript is compared with streams.expected; KUGEL_UPDATE_EXPECTED=1
# rewrites it.
#   streams.sh CLI SERVER GUI SOURCE_DIR WORK_DIR
set -uo pipefail
cli=$1 server=$2 gui=$3 src=$4 work=$5
source "$src/with_server.sh"

# Starts a results server that answers every request "503 Service
# Unavailable" and sets busy_url and busy_pid.
busy_server() {
  python3 - "$work/busy.port" <<'PY' >/dev/null 2>&1 &
import http.server, sys
class Busy(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        self.send_response(503)
        self.send_header("Content-Length", "0")
        self.end_headers()
    def log_message(self, *args):
        pass
server = http.server.HTTPServer(("127.0.0.1", 0), Busy)
open(sys.argv[1], "w").write(str(server.server_port))
server.serve_forever()
PY
  busy_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/busy.port" ] && break
    sleep 0.05
  done
  busy_url="http://127.0.0.1:$(cat "$work/busy.port")"
}

{
  echo "# versions, and help without a display"
  "$cli" --version
  "$server" --version
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$gui" --version
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$gui" --help >"$work/help" 2>&1
  echo "gui --help: exit $?, $(grep -c -- '--home' "$work/help") line(s) on --home"
  run frobnicate
  run --bogus odds

  echo "# output that cannot be written"
  run update
  for command in "odds" "stats freq --json" "export csv" "show"; do
    echo "\$ $command > /dev/full"
    # shellcheck disable=SC2086
    kugel $command >/dev/full 2>"$work/err"
    echo "exit $?"
    sed 's/^/! /' "$work/err"
  done

  kugel calc --lucky 4711 -o "$work/calc.qlt" >/dev/null

  echo "# the messages follow the user's locale; the program's shipped files hold them"
  for locale in "LC_ALL=de_DE.UTF-8" "LC_ALL=fr_FR.UTF-8" "LC_MESSAGES=ru_RU.UTF-8 LANG=de_DE.UTF-8" \
    "LANG=pt_BR.UTF-8" "LANG=C"; do
    echo "\$ $locale check missing.qlt"
    # shellcheck disable=SC2086
    env -u LC_ALL -u LC_MESSAGES -u LANG $locale "$cli" --home "$home" --settings "$home/settings.ini" \
      --tool-settings "$home/tool.ini" --today 2013-04-20 check "$work/missing.qlt" 2>&1
    echo "exit $?"
  done

  echo "# an import as people bring it: D/M/YYYY only when told"
  printf 'Date;N1;N2;N3;N4;N5;N6;PB\r\n7/3/2013;8;16;19;25;26;29;5\r\n14/3/2013;5;9;23;30;35;37;18\r\n' \
    >"$work/au.csv"
  run import csv "$work/au.csv" --dry-run
  run import csv "$work/au.csv" --dry-run --date-format dmy
  run import csv "$work/au.csv" --dry-run --date-format ymd

  echo "# each statistic counts the start day as its chart does"
  for kind in freq sums; do
    kugel stats $kind --from 2013-03-14 | head -1
  done

  echo "# every --json output is what docs/json/kugelmeister-cli.schema.json describes"
  schema=$src/../../docs/json/kugelmeister-cli.schema.json
  valid() { python3 "$src/check_json.py" "$schema" "$1"; }
  kugel odds --json | valid command-odds
  kugel update --json | valid command-update
  kugel show --json | valid command-show
  kugel calc --lucky 4711 --json | valid command-calc
  kugel check "$work/calc.qlt" --json | valid command-check
  kugel check "$work/calc.qlt" --all --json | valid command-check-all
  for kind in freq outstanding powerball sums pairs; do
    kugel stats $kind --json | valid command-stats
  done
  kugel import csv "$src/bad.csv" --json --dry-run 2>/dev/null | valid command-import
  kugel show 2030-01-01 --json 2>&1 >/dev/null | valid command-error
  kugel check "$work/missing.qlt" --json 2>&1 >/dev/null | valid command-error

  echo "# dates and records the history does not hold"
  run show 2013-04-19
  run show 2013-04-18
  cp "$home/Powerball.dat" "$work/sound.dat"
  # record 3's sixth number becomes 41
  printf '\x29' | dd of="$home/Powerball.dat" bs=1 seek=77 conv=notrunc status=none
  run show
  run export csv
  cp "$work/sound.dat" "$home/Powerball.dat"

  echo "# the lines of a tip file the check leaves out are named"
  {
    printf '1,2,3,4,5,6,7\r\n4,x,9,10,11,12,3\r\n\r\n'
    for r in $(seq 4 12); do printf '%d,%d,%d,%d,%d,%d,%d\r\n' $r $((r + 1)) $((r + 2)) $((r + 3)) $((r + 4)) $((r + 5)) 1; done
    printf '7,8,9,10,11,12,13\r\n'
  } >"$work/partly.qlt"
  run check "$work/partly.qlt"

  echo "# an update the server ends is no success"
  cp "$home/Powerball.dat" "$work/before-503.dat"
  busy_server
  echo "\$ update (server answers 503)"
  timeout 60 "$cli" --home "$home" --settings "$home/settings.ini" --tool-settings "$home/tool.ini" \
    --server "$busy_url" --today 2013-05-10 --clock 12345 update >"$work/out" 2>"$work/err"
  echo "exit $?"
  cat "$work/out"
  sed "s|$busy_url|@BUSY@|g; s/^/! /" "$work/err"
  cmp -s "$home/Powerball.dat" "$work/before-503.dat" && echo "(history unchanged)"
  kill "$busy_pid" 2>/dev/null
  wait "$busy_pid" 2>/dev/null
} 2>&1 | sed "s|$work/|@WORK@/|g; s|$src/|@SRC@/|g; s|$url|@SERVER@|g; s|$gui|@GUI@|g" >"$work/transcript"

if [ "${KUGEL_UPDATE_EXPECTED:-}" = 1 ]; then
  cp "$work/transcript" "$src/streams.expected"
fi
diff -u "$src/streams.expected" "$work/transcript"
