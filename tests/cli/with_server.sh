# Shared by the command transcripts: a fresh home, the reference server on a
# free port, and `kugel`/`run` to call the program against it. Sourced with
# cli, server, src and work set.
rm -rf "$work"
mkdir -p "$work/home"
home=$work/home
export LC_ALL=C

log=$work/server.log
"$server" --port 0 --data "$src/draws.csv" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null' EXIT
url=
for _ in $(seq 100); do
  url=$(grep -o 'http://127\.0\.0\.1:[0-9]*' "$log" | head -1)
  [ -n "$url" ] && break
  sleep 0.05
done
[ -n "$url" ] || { echo "kugelmeister-server did not start" >&2; cat "$log" >&2; exit 1; }

# The address and the date a command runs with; a command may set either
# for itself: `server_url=http://127.0.0.1:9 today=2013-05-20 run update`.
server_url=$url today=2013-04-20
# A command that hangs ends after a minute (exit 124) rather than holding up
# the test.
kugel() {
  timeout 60 "$cli" --home "$home" --settings "$home/settings.ini" --tool-settings "$home/tool.ini" \
    --server "$server_url" --today "$today" --clock 12345 "$@"
}
# Prints the command, its output, its error output (marked "! ") and its status.
run() {
  echo "\$ $*"
  kugel "$@" >"$work/out" 2>"$work/err"
  local status=$?
  cat "$work/out"
  sed 's/^/! /' "$work/err"
  echo "exit $status"
}
