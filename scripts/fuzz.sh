#!/usr/bin/env bash
# Fuzzes every parser of outside input: builds the fuzz targets with clang,
# libFuzzer and the address and undefined-behaviour sanitizers (in
# ./build-fuzz or $KUGEL_FUZZ_BUILD_DIR), then runs each target for SECONDS
# (default 60) from its seed corpus in tests/fuzz/corpus. Fails on any crash,
# leak, time-out or sanitizer report; the input that caused it is left in
# the work directory, ready to be added to the seed corpus once mended.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
"$root/scripts/install-deps.sh" --fuzz

build=${KUGEL_FUZZ_BUILD_DIR:-$root/build-fuzz}
if [ ! -f "$build/build.ninja" ]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKUGEL_FUZZ=ON "${launcher[@]}" >/dev/null
fi
cmake --build "$build" --target kugel_fuzz_targets -j"$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for seeds in "$root"/tests/fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi

# Most inputs leave a string or two of the program's state a different size,
# so libFuzzer takes each for a possible leak and has the leak checker walk
# the whole heap, the address sanitizer's quarantine of freed blocks
# included, until it gives that up after a thousand tries. At the default
# 256 MB of quarantine those walks slowed the targets that keep the whole
# program to a few hundred inputs a second. 16 MB is still many times what
# one input frees, so a use after free within an input is still caught.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}

work="$build/fuzz-work"
failed=()
for target in "${targets[@]}"; do
  dir="$work/$target"
  mkdir -p "$dir/corpus"
  log="$dir/fuzz.log"
  options=$ASAN_OPTIONS
  flags=()
  if [ "$target" = settings_value ]; then
    # Qt's libraries keep no frame pointers, so the sanitizer's fast unwinder
    # reads garbage past the first frame inside them. Every such allocation
    # stack then looks new, and the store of stacks grew by about 8 KB an
    # input, past the 2 GB limit within a quarter of a million inputs. One
    # frame stays true. A bad access still shows its whole stack; a failed
    # allocation shows one frame, and replaying the input without this option
    # shows the rest.
    options="$options:malloc_context_size=1"
    # A stored "@Variant(...)" value makes Qt's data stream reserve whatever
    # length its bytes claim, tens of gigabytes at times. An ordinary malloc
    # refuses that and Qt reads the value as unreadable; under the sanitizer
    # the refusal ended the run, and a granted one poisoned gigabytes of
    # shadow memory. So the sanitizer refuses above 2 GB and returns nothing,
    # as malloc does, and libFuzzer leaves such requests to it.
    options="$options:allocator_may_return_null=1:max_allocation_size_mb=2048"
    flags+=(-malloc_limit_mb=65536)
  fi
  # New inputs go to the work corpus (the first directory); the seeds stay as they are.
  if ASAN_OPTIONS=$options "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "${flags[@]}" \
      -print_final_stats=1 -artifact_prefix="$dir/" \
      "$dir/corpus" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    echo "$target: ${runs:-?} executions (${rate:-?} a second), no finding"
  else
    echo "$target: FINDING, see $log and the inputs in $dir/" >&2
    grep -m1 -E "ERROR|runtime error|SUMMARY" "$log" >&2 || tail -5 "$log" >&2
    failed+=("$target")
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "findings in: ${failed[*]}" >&2; exit 1; }
