#!/usr/bin/env bash
# A real browser opens the cart the program built: the driver fills a ticket
# and clicks "Warenkorb / Cart" against the reference server, and headless
# Chromium loads the address the program handed to the shell; the page must
# show the ticket's rows.
#   cart_in_browser.sh KUGELMEISTER-CLI KUGELMEISTER-SERVER
# Exits 77 (skipped) when Chromium is not installed.
set -euo pipefail
cli=$1
server=$2
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  echo "chromium is not installed (scripts/install-deps.sh --tests installs it)" >&2
  exit 77
fi
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/cart.kms" <<'SCRIPT'
set Form1.Edit1.Text 8
set Form1.Edit2.Text 16
set Form1.Edit3.Text 19
set Form1.Edit4.Text 25
set Form1.Edit5.Text 26
set Form1.Edit6.Text 29
set Form1.Edit93.Text 5
set Form1.Edit13.Text 3
set Form1.Edit14.Text 11
set Form1.Edit15.Text 17
set Form1.Edit16.Text 24
set Form1.Edit17.Text 30
set Form1.Edit18.Text 38
set Form1.Edit95.Text 20
click Form1.Warenkorb
SCRIPT

# The driver and the browser run while the server listens; the server's
# address is kept as @SERVER@ in what the driver prints.
"$here/../scenarios/with_server.sh" "$server" "" bash -c '
  set -euo pipefail
  url=$1
  out=$("$2" --home "$3" --settings "$3/settings.ini" --tool-settings "$3/tool.ini" \
        --server "$url" script "$3/cart.kms")
  echo "$out"
  cart=$(printf "%s\n" "$out" | sed -n "s/^shell open //p" | head -1)
  [ -n "$cart" ] || { echo "no cart address was opened" >&2; exit 1; }
  timeout 90 "$4" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$3/profile" --dump-dom "$cart" >"$3/page.html" 2>"$3/browser.log" || {
      echo "chromium failed:" >&2; cat "$3/browser.log" >&2; exit 1; }
' _ {SERVER} "$cli" "$work" "$browser"

page="$work/page.html"
fail=0
for expected in "Warenkorb" "Tipp 1" "8 16 19 25 26 29" ">5<" "Tipp 2" "(leer)" "Tipp 3" \
                "3 11 17 24 30 38" ">20<" "Anzahl Tipps: 3"; do
  if ! grep -qF -- "$expected" "$page"; then
    echo "the cart page lacks \"$expected\"" >&2
    fail=1
  fi
done
if grep -qF "Tipp 4" "$page"; then
  echo "the cart page shows more rows than handed over" >&2
  fail=1
fi
[ $fail -eq 0 ] || { cat "$page" >&2; exit 1; }
echo "the browser shows the cart with the ticket's three rows"
