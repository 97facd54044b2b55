#!/usr/bin/env bash
# Lists every version of every shipped file (data/program/) that any commit
# up to REV held, as "SHA-256  PATH" lines, for data/program/.earlier.sha256.
# The user's directory of a program that kept no record of what it copied is
# judged by it: a file equal to one of these was never changed by the user.
# Programs since keep that record, so the list stays as it was made.
#   scripts/list-earlier-shipped.sh [REV]
set -euo pipefail
rev=${1:-HEAD}
cd "$(dirname "$0")/.."
echo "# Earlier shipped versions of the files in this directory (scripts/list-earlier-shipped.sh)"
for commit in $(git rev-list "$rev" -- data/program); do
  git ls-tree -r "$commit" data/program
done | awk '{print $3 "\t" $4}' | sort -u | while IFS=$'\t' read -r blob path; do
  path=${path#data/program/}
  case $path in .keep | .earlier.sha256) continue ;; esac
  printf '%s  %s\n' "$(git cat-file blob "$blob" | sha256sum | cut -c1-64)" "$path"
done | sort -k2 -k1 -u
