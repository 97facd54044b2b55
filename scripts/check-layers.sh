#!/usr/bin/env bash
# Checks that no source of the model includes a header of a layer above it.
# The layers, bottom up: controls+platform, model, the subsystems, shell; the
# adapters and programs (net, qt, cli) stand on top and nothing below may see them.
set -euo pipefail
src=$(cd "$(dirname "$0")/../src" && pwd)

subsystems="update|statistics|generation|checking|output|online"
declare -A forbidden=(
  [controls]="model|$subsystems|shell|qt|net|cli"
  [platform]="model|$subsystems|shell|qt|net|cli"
  [model]="$subsystems|shell|qt|net|cli"
  [update]="shell|qt|net|cli"
  [statistics]="shell|qt|net|cli"
  [generation]="shell|qt|net|cli"
  [checking]="shell|qt|net|cli"
  [output]="shell|qt|net|cli"
  [online]="shell|qt|net|cli"
  [shell]="qt|net|cli"
)

status=0
for dir in "${!forbidden[@]}"; do
  [ -d "$src/$dir" ] || continue
  if hits=$(grep -rnE "^#include \"(${forbidden[$dir]})/" "$src/$dir"); then
    echo "src/$dir must not include these layers (${forbidden[$dir]}):" >&2
    echo "$hits" | sed "s#^$src/#  src/#" >&2
    status=1
  fi
done
[ $status -eq 0 ] && echo "layers: every include points downwards"
exit $status
