#!/usr/bin/env bash
# The commands for people, run one after the other on a fresh program
# directory against a kugelmeister-server with a few draws; their output
# (human and --json), standard error and exit statuses are compared with
# commands.expected. KUGEL_UPDATE_EXPECTED=1 rewrites the expected file.
#   commands.sh CLI SERVER SOURCE_DIR WORK_DIR
set -uo pipefail
cli=$1 server=$2 src=$3 work=$4
source "$src/with_server.sh"

same() {  # same FILE1 FILE2 TEXT: says whether two files are byte-identical
  if cmp -s "$1" "$2"; then echo "$3: identical"; else echo "$3: DIFFERENT"; fi
}

{
  run show
  run update
  run update --json
  server_url=http://127.0.0.1:9 today=2013-05-20 run update  # nobody answers: exit 3
  run show
  run show 2013-03-20 --json

  run export csv
  run export csv "$work/history.csv"
  cp "$home/Powerball.dat" "$work/before.dat"
  run import csv "$work/history.csv"
  same "$work/before.dat" "$home/Powerball.dat" "history after export and import"
  run import csv "$src/bad.csv"
  same "$work/before.dat" "$home/Powerball.dat" "history after a bad import"
  run import csv "$src/bad.csv" --json
  run import csv "$src/draws.csv" --dry-run --json
  same "$work/before.dat" "$home/Powerball.dat" "history after a dry run"

  run calc --lucky 4711 -o "$work/calc.qlt"
  run calc --lucky 4711 --rows 2 --json
  # The window's own way to the same ticket: the lucky-number button, the
  # calculation, saving the ticket.
  printf '%s\n' 'start' 'answer text 4711' 'click Form1.SpeedButton13' 'click Form1.BitBtn4' \
    "answer file $work/window.qlt" 'click Form1.SpeedButton15' >"$work/window.kms"
  kugel script "$work/window.kms" >/dev/null
  same "$work/calc.qlt" "$work/window.qlt" "ticket of calc and of the window"

  run check "$work/calc.qlt"
  run check "$work/calc.qlt" --date 2013-03-20 --json
  run check "$work/calc.qlt" --date 2012-01-01
  run check "$work/calc.qlt" --all
  run check "$work/calc.qlt" --all --json
  # Named as the program proposes, a tip file tells the draw it was made
  # for: the draws before that day are the ones it may have learned from,
  # and only the later ones are judged.
  cp "$work/calc.qlt" "$work/20130325.qlt"
  run check "$work/20130325.qlt" --all
  run check "$work/calc.qlt" --all --calculated 2013-04-18 --json
  run check "$work/calc.qlt" --calculated 2013-04-18

  run stats freq --from 2013-03-14 --to 2013-04-04
  run stats pairs
  for kind in outstanding powerball sums triples quads; do run stats $kind --json; done

  run stats median
  run show 2013-02-30
  run check "$work/calc.qlt" --all --date 2013-03-20
  run check "$work/missing.qlt"
  run calc --settings "$work/missing.ini"
  # A settings store that cannot be written at the end is reported, not a crash.
  [ -e "$home/settings.ini" ] && mv "$home/settings.ini" "$work/kept.ini"
  mkdir "$home/settings.ini"
  printf 'start\nprint Form1.Edit1.Text\n' >"$work/one.kms"
  run script "$work/one.kms"
  rmdir "$home/settings.ini"
  [ -e "$work/kept.ini" ] && mv "$work/kept.ini" "$home/settings.ini"
  # A pipe in the history's place is refused, never waited on.
  mv "$home/Powerball.dat" "$work/kept.dat"
  mkfifo "$home/Powerball.dat"
  run update
  run show
  rm "$home/Powerball.dat"
  mv "$work/kept.dat" "$home/Powerball.dat"
  run export csv --help
} 2>&1 | sed "s|$work/|@WORK@/|g; s|$src/|@SRC@/|g; s|$url|@SERVER@|g" >"$work/transcript"

if [ "${KUGEL_UPDATE_EXPECTED:-}" = 1 ]; then
  cp "$work/transcript" "$src/commands.expected"
fi
diff -u "$src/commands.expected" "$work/transcript"
