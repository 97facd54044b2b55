#!/usr/bin/env bash
# The installed program: `cmake --install` into a staging prefix, the tree
# made read-only, the installed driver started on a script by a user whose
# data directory is empty; the history and the shipped files must land in
# that data directory and nothing in the installed tree may change. Then the
# desktop entry and the metainfo are validated, and the Debian package is
# built and its contents listed.
#   install_test.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1 work=$2
fail() { echo "FAILED: $*" >&2; exit 1; }

[ -d "$work" ] && chmod -R u+w "$work" && rm -rf "$work"
mkdir -p "$work"
stage=$work/stage
cmake --install "$build" --prefix "$stage/usr" >/dev/null
chmod -R a-w "$stage"
trap 'chmod -R u+w "$work"' EXIT
touch "$work/installed"

user=$work/user
data=$user/.local/share
mkdir -p "$data/kugelmeister"
# A file of the user's own is never overwritten by the shipped one.
echo "my own sound" >"$data/kugelmeister/yippee.wav"
printf 'start\nprint Form1.Label29.Caption\nclose\n' >"$work/start.kms"
HOME=$user XDG_DATA_HOME=$data LC_ALL=C "$stage/usr/bin/kugelmeister-cli" \
  --settings "$work/settings.ini" --tool-settings "$work/tool.ini" \
  --server http://127.0.0.1:9 --today 2013-03-10 script "$work/start.kms" >"$work/out"
grep -q "Form1.Label29.Caption=Thu 07.03.13" "$work/out" || fail "no first draw shown: $(cat "$work/out")"

home=$data/kugelmeister
[ -s "$home/Powerball.dat" ] || fail "no history in $home"
[ -f "$home/land/Power_en.txt" ] || fail "land/ not copied into $home"
[ -f "$home/Script/Powerball_Liste.qcs" ] || fail "Script/ not copied into $home"
[ -f "$home/draws.csv" ] || fail "draws.csv not copied into $home"
[ "$(cat "$home/yippee.wav")" = "my own sound" ] || fail "the user's yippee.wav was overwritten"
[ -z "$(find "$stage" -newer "$work/installed")" ] || fail "the installed tree changed"
[ ! -e "$stage/usr/bin/Powerball.dat" ] || fail "history written beside the program"

# --home is used as it is: nothing is copied into it.
mkdir -p "$work/bare"
HOME=$user XDG_DATA_HOME=$data "$stage/usr/bin/kugelmeister-cli" --home "$work/bare" \
  --settings "$work/settings.ini" --today 2013-03-10 export csv >/dev/null 2>&1 || true
[ -z "$(ls -A "$work/bare")" ] || fail "files copied into --home: $(ls -A "$work/bare")"

desktop-file-validate "$stage/usr/share/applications/de.quandor.Kugelmeister.desktop"
appstreamcli validate --no-net "$stage/usr/share/metainfo/de.quandor.Kugelmeister.metainfo.xml" >/dev/null
for icon in scalable/apps/de.quandor.Kugelmeister.svg 48x48/apps/de.quandor.Kugelmeister.png \
  256x256/apps/de.quandor.Kugelmeister.png; do
  [ -s "$stage/usr/share/icons/hicolor/$icon" ] || fail "icon $icon not installed"
done

# The Debian package: its files and its declared dependencies.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/kugelmeister_*.deb)
dpkg-deb -c "$deb" >"$work/contents"
for f in ./usr/bin/kugelmeister ./usr/bin/kugelmeister-cli ./usr/bin/kugelmeister-server \
  ./usr/share/kugelmeister/yippee.wav ./usr/share/kugelmeister/draws.csv \
  ./usr/share/kugelmeister/land/Power_de.txt ./usr/share/kugelmeister/Script/Powerball_Warenkorb.qcs \
  ./usr/share/applications/de.quandor.Kugelmeister.desktop \
  ./usr/share/metainfo/de.quandor.Kugelmeister.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/de.quandor.Kugelmeister.svg; do
  grep -q " $f\$" "$work/contents" || fail "$f missing from the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libcurl4 qt6-qpa-plugins; do
  case "$depends" in *"$d"*) ;; *) fail "the package does not depend on $d: $depends" ;; esac
done
echo "installed, started, packaged: $(basename "$deb")"
