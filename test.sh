#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh" --tests
"$root/scripts/build.sh"
cd "${KUGEL_BUILD_DIR:-$root/build}"
ctest --output-on-failure -j"$(nproc)" "$@"
