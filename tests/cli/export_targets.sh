#!/usr/bin/env bash
# Where `export csv FILE` writes: a regular file is replaced whole, a link
# leads to the file that is replaced (the link stays), a pipe or a
# descriptor is written as it is, and a user's FILE.tmp is never touched.
#   export_targets.sh CLI SOURCE_DIR WORK_DIR
set -uo pipefail
cli=$1 src=$2 work=$3
rm -rf "$work"
mkdir -p "$work/home" "$work/real"
home=$work/home
export LC_ALL=C

kugel() {
  timeout 60 "$cli" --home "$home" --settings "$home/settings.ini" --tool-settings "$home/tool.ini" \
    --server http://127.0.0.1:9 --today 2013-04-20 --clock 12345 "$@"
}
passed=0 failed=0
check() {  # check WHAT ACTUAL EXPECTED
  if [ "$2" = "$3" ]; then
    passed=$((passed + 1))
  else
    echo "FAILED: $1: got '$2', expected '$3'"
    failed=$((failed + 1))
  fi
}

kugel import csv "$src/draws.csv" >/dev/null || { echo "cannot import the draws" >&2; exit 1; }
kugel export csv "$work/expected.csv" || { echo "cannot export" >&2; exit 1; }
lines=$(wc -l <"$work/expected.csv")
check "export has lines" "$((lines > 2))" 1

# through a link: the file it leads to gets the export
echo old >"$work/real/history.csv"
ln -s real/history.csv "$work/link.csv"
kugel export csv "$work/link.csv"
check "link exit" $? 0
check "link stays a link" "$(test -L "$work/link.csv" && echo yes)" yes
check "the linked file holds the export" "$(cmp -s "$work/real/history.csv" "$work/expected.csv" && echo same)" same

# a user's FILE.tmp beside the file survives
echo "the user's" >"$work/mine.csv.tmp"
kugel export csv "$work/mine.csv"
check "beside FILE.tmp exit" $? 0
check "FILE.tmp untouched" "$(cat "$work/mine.csv.tmp")" "the user's"
check "FILE written" "$(cmp -s "$work/mine.csv" "$work/expected.csv" && echo same)" same
check "no temporary file left" "$(find "$work" -maxdepth 2 -name '*kugelmeister-*' | wc -l)" 0

# a pipe, a descriptor, standard output
kugel export csv >(wc -l >"$work/counted")
check "process substitution exit" $? 0
wait $!
check "process substitution" "$(cat "$work/counted")" "$lines"
check "/dev/stdout into a pipe" "$(kugel export csv /dev/stdout | wc -l)" "$lines"
kugel export csv /dev/stdout >"$work/redirected.csv"
check "/dev/stdout into a file" "$(cmp -s "$work/redirected.csv" "$work/expected.csv" && echo same)" same
mkfifo "$work/fifo"
cat "$work/fifo" >"$work/from-fifo.csv" &
reader=$!
kugel export csv "$work/fifo"
check "fifo exit" $? 0
wait "$reader"
check "fifo carried the export" "$(cmp -s "$work/from-fifo.csv" "$work/expected.csv" && echo same)" same
check "fifo stays a fifo" "$(test -p "$work/fifo" && echo yes)" yes

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
