#!/usr/bin/env bash
# The progress bar on a terminal: wiped before the results are written,
# never drawn for a dumb terminal or with --no-progress, never beside results
# on the same terminal. Runs the commands under script(1); where no
# pseudo-terminal can be had (a bare chroot) the test is skipped (exit 77).
# The transcript is compared with terminal.expected; KUGEL_UPDATE_EXPECTED=1
# rewrites it.
#   terminal.sh CLI SERVER SOURCE_DIR WORK_DIR
set -uo pipefail
cli=$1 server=$2 src=$3 work=$4
script -qfec true /dev/null </dev/null >/dev/null 2>&1 || {
  echo "no pseudo-terminal here: skipped"
  exit 77
}
source "$src/with_server.sh"

# Runs a command with standard output and error on a terminal (TERM as given)
# and prints what the terminal showed, escape sequences made visible.
on_terminal() {
  local term=$1
  shift
  echo "\$ [TERM=$term] $*"
  local command="$cli --home $home --settings $home/settings.ini --tool-settings $home/tool.ini"
  command+=" --server $url --today 2013-04-20 --clock 12345 $*"
  TERM=$term timeout 60 script -qfec "$command" /dev/null </dev/null >"$work/tty"
  echo "exit $?"
}
# What the terminal showed last: the bar's redraws depend on timing, only
# the state before the results counts. ESC is printed as "^[".
shown() {
  printf '%s\n' "$(sed 's/\x1b/^[/g; s/\r$//' "$work/tty" | sed 's/.*\r//' | tr -d '\r')"
}
escapes() {
  if grep -q $'\x1b' "$work/tty"; then echo "(escape sequences sent)"; else echo "(no escape sequences)"; fi
}

{
  echo "# the progress bar is wiped before the results and never drawn for a dumb terminal"
  on_terminal xterm update
  shown
  escapes
  rm "$home/Powerball.dat"
  on_terminal dumb update
  shown
  escapes
  rm "$home/Powerball.dat"
  on_terminal xterm --no-progress update
  escapes
  kugel calc --lucky 4711 -o "$work/calc.qlt" >/dev/null
  # Results written while the work goes on: no bar beside them on the terminal.
  on_terminal xterm check "$work/calc.qlt" --all
  escapes
  grep -c '^Prizes over 7 draws:' "$work/tty"
  # Results into a file: the bar on the terminal only, wiped at the end.
  on_terminal xterm check "$work/calc.qlt" --all ">$work/results"
  shown
  escapes
  if grep -q $'\x1b\|#' "$work/results"; then echo "bar in the results"; else echo "results clean"; fi
} 2>&1 | sed "s|$work/|@WORK@/|g; s|$src/|@SRC@/|g; s|$url|@SERVER@|g" >"$work/transcript"

if [ "${KUGEL_UPDATE_EXPECTED:-}" = 1 ]; then
  cp "$work/transcript" "$src/terminal.expected"
fi
diff -u "$src/terminal.expected" "$work/transcript"
