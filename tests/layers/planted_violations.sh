#!/usr/bin/env bash
# The layer check must see a dependency however it is written. Each planted
# model source below reaches the shell in one of the ways a textual check of
# include lines misses; the compiler resolves it, the check must refuse it.
# A model source that uses only what lies below passes.
#   planted_violations.sh PROJECT_DIR WORK_DIR
set -euo pipefail
project=$1 work=$2
check=$project/scripts/check-layers.py
rm -rf "$work" && mkdir -p "$work/src/model"
# The planted tree sees the real folders beside its own model folder, so a
# relative include resolves as it would in the project.
for dir in "$project"/src/*/; do
  name=$(basename "$dir")
  [ "$name" = model ] || ln -s "$dir" "$work/src/$name"
done

plant() {  # NAME: source text on standard input
  cat >"$work/src/model/$1.cpp"
  g++ -std=c++20 -E -MD -MF "$work/$1.d" -MT "$1.o" -I "$project/src" \
    "$work/src/model/$1.cpp" -o /dev/null
}

plant relative <<<'#include "../shell/application.h"'
plant spaced <<<'#  include "shell/application.h"'
plant indented <<<'    #include "shell/application.h"'
plant angled <<<'#include <shell/application.h>'
cat >"$work/src/model/through_macro.h" <<'H'
#pragma once
#define KUGEL_TABLE_HEADER "shell/settings_table.h"
#include KUGEL_TABLE_HEADER
H
plant header_only <<<'#include "through_macro.h"'
plant downwards <<<'#include "controls/form.h"'

status=0
for name in relative spaced indented angled header_only; do
  if python3 "$check" --root "$work" --root "$project" --deps "$work/$name.d" 2>"$work/$name.out"; then
    echo "FAILED: the check let the '$name' form through" >&2
    status=1
  elif ! grep -q "src/model uses src/shell" "$work/$name.out"; then
    echo "FAILED: the '$name' form was refused for another reason:" >&2
    cat "$work/$name.out" >&2
    status=1
  fi
done
if ! python3 "$check" --root "$work" --root "$project" --deps "$work/downwards.d" >"$work/downwards.out" 2>&1; then
  echo "FAILED: a downward include was refused:" >&2
  cat "$work/downwards.out" >&2
  status=1
fi
[ $status -eq 0 ] && echo "planted violations: all five refused, the downward include passes"
exit $status
