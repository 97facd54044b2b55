#!/usr/bin/env bash
# Installs the Debian packages Kugelmeister needs to build, test and run.
# Idempotent: when everything is present it only checks and returns quickly;
# the package index is refreshed only when something is actually missing.
#   install-deps.sh           what building and running need
#   install-deps.sh --tests   also what only the tests need (a headless browser,
#                             the validators of the desktop entry and the metainfo,
#                             the Debian package tools: cpack's DEB generator
#                             calls `file` and dpkg-shlibdeps, which needs objdump;
#                             lintian checks the package; the JSON Schema
#                             validator for the driver's --json)
#   install-deps.sh --fuzz    also what the fuzzing build needs (clang, libFuzzer)
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config make
  qt6-base-dev libgl-dev qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev
  qt6-multimedia-dev
  curl libcurl4-openssl-dev libcpp-httplib-dev libcli11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-wqy-microhei fonts-lohit-deva poppler-utils
  xvfb xauth imagemagick xdotool tinyproxy-bin
  qt6-qpa-plugins qt6-translations-l10n libqt6svg6
  help2man
)
for arg in "$@"; do
  case "$arg" in
    --tests) packages+=(chromium desktop-file-utils appstream dpkg-dev file binutils python3 python3-jsonschema
                        lintian) ;;
    # The fuzzing build (scripts/fuzz.sh) needs clang and its libFuzzer runtime.
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
