#!/usr/bin/env bash
# Writes the manual page of one of the programs from its own --help and
# --version, compressed as Debian wants it (gzip -9n: no name, no time stamp).
#   make-manpage.sh PROGRAM "WHAT IT IS" OUT.1.gz [INCLUDE.h2m]
# The help is taken in the C locale, so the page is English whatever the
# builder's language.
set -euo pipefail
program=$1 what=$2 out=$3 include=${4:-}
dir=$(cd "$(dirname "$program")" && pwd)
name=$(basename "$program")
version=$(LC_ALL=C "$program" --version | head -n 1)
args=(--no-info --no-discard-stderr --name "$what" --version-string "$name ${version##* }")
[ -n "$include" ] && args+=(--include "$include")
page=$(mktemp)
trap 'rm -f "$page"' EXIT
# Run from the program's directory by its bare name, so the synopsis shows
# the name a user types and no build path.
PATH=$dir:$PATH LC_ALL=C LANGUAGE= QT_QPA_PLATFORM=offscreen help2man "${args[@]}" --output "$page" "$name"
gzip -9n -c "$page" >"$out.tmp"
mv "$out.tmp" "$out"
