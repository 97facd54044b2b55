#!/usr/bin/env bash
# The bash completion of kugelmeister-cli, driven as bash drives it: the
# words typed so far in COMP_WORDS, the cursor's word in COMP_CWORD, the
# offers read back from COMPREPLY. One case per line of the table.
#   completion_test.sh BUILD_DIR
set -uo pipefail
build=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=/dev/null
source "$root/packaging/kugelmeister-cli.bash-completion"
complete -p kugelmeister-cli >/dev/null || { echo "FAILED: no completion registered"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tips" && touch "$work/tips/week.qlt"
cli=$build/bin/kugelmeister-cli

failed=0
# expected offers (sorted, space-separated) | the words typed, the last one under the cursor
while IFS='|' read -r expected words; do
  [ -z "$expected$words" ] && continue
  eval "COMP_WORDS=($words)"
  COMP_WORDS[0]=$cli
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _kugelmeister_cli
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
  if [ "$got" != "$expected" ]; then
    echo "FAILED: [$words] offered '$got', expected '$expected'"
    failed=1
  fi
done <<TABLE
export|kugelmeister-cli ex
--home|kugelmeister-cli --ho
--from --help --json --to|kugelmeister-cli stats --
freq|kugelmeister-cli stats f
csv|kugelmeister-cli export ''
stats|kugelmeister-cli --home $work st
$work/tips|kugelmeister-cli --home $work/ti
script show stats|kugelmeister-cli --today 2018-01-01 s
--all|kugelmeister-cli check --date 2018-01-01 --a
$work/tips/week.qlt|kugelmeister-cli check $work/tips/w
TABLE
[ $failed -eq 0 ] && echo "completion: every case offered what it should"
exit $failed
