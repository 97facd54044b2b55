#!/usr/bin/env bash
# Configures and builds the whole project into ./build (or $KUGEL_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KUGEL_BUILD_DIR:-$root/build}
if [ ! -f "$build/build.ninja" ]; then
  launcher=()
  # A compiler cache, when the machine has one, makes rebuilds of other
  # checkouts of the same sources cheap; the build does not need it.
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
fi
cmake --build "$build" -j"$(nproc)"
