#!/usr/bin/env bash
# Runs a command while a kugelmeister-server listens on a free loopback port.
#   with_server.sh SERVER "SERVER ARGS" COMMAND...
# "{SERVER}" in the command's arguments becomes the server's address, and the
# address in what the command prints becomes "@SERVER@", so the output does
# not depend on the port. Exits with the command's status.
set -uo pipefail
server=$1
read -r -a server_args <<<"$2"
shift 2
log=$(mktemp)
"$server" --port 0 "${server_args[@]}" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -f "$log"' EXIT
url=
for _ in $(seq 100); do
  url=$(grep -o 'http://127\.0\.0\.1:[0-9]*' "$log" | head -1)
  [ -n "$url" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
if [ -z "$url" ]; then
  echo "kugelmeister-server did not start:" >&2
  cat "$log" >&2
  exit 99
fi
args=()
for a in "$@"; do args+=("${a//\{SERVER\}/$url}"); done
out=$(mktemp)
"${args[@]}" >"$out"
status=$?
sed "s|$url|@SERVER@|g" "$out"
rm -f "$out"
exit $status
