#!/usr/bin/env bash
# The installed program: `cmake --install` into a staging prefix, the tree
# made read-only, the installed driver started on a script by a user whose
# data directory is empty; the history and the shipped files must land in
# that data directory and nothing in the installed tree may change. Then the
# desktop entry and the metainfo are validated, an upgrade is installed over
# the first version, and the Debian package is built, its contents listed and
# checked by lintian.
#   install_test.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1 work=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
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
# What was copied is recorded as sha256sum records it: nothing changed yet.
(cd "$home" && sha256sum --quiet -c .shipped.sha256) || fail "the record of the copied files does not match them"

# An upgrade installed over it: a template the user left alone follows the
# new version, the one the user edited and the history stay.
upgrade=$work/upgrade
cp -a "$stage" "$upgrade" && chmod -R u+w "$upgrade"
shared=$upgrade/usr/share/kugelmeister
echo "; newer template" >>"$shared/Script/Powerball_Liste.qcs"
echo "; newer template" >>"$shared/Script/Powerball_Warenkorb.qcs"
echo "; my own change" >>"$home/Script/Powerball_Warenkorb.qcs"
cp "$home/Script/Powerball_Warenkorb.qcs" "$work/edited.qcs"
cp "$home/Powerball.dat" "$work/history.dat"
HOME=$user XDG_DATA_HOME=$data LC_ALL=C "$upgrade/usr/bin/kugelmeister-cli" \
  --settings "$work/settings.ini" --tool-settings "$work/tool.ini" \
  --server http://127.0.0.1:9 --today 2013-03-10 script "$work/start.kms" >"$work/out"
cmp -s "$home/Script/Powerball_Liste.qcs" "$shared/Script/Powerball_Liste.qcs" ||
  fail "the upgrade did not replace the unchanged template"
cmp -s "$home/Script/Powerball_Warenkorb.qcs" "$work/edited.qcs" || fail "the upgrade replaced the user's template"
cmp -s "$home/Powerball.dat" "$work/history.dat" || fail "the upgrade changed the history"

# --home is used as it is: nothing is copied into it.
mkdir -p "$work/bare"
HOME=$user XDG_DATA_HOME=$data "$stage/usr/bin/kugelmeister-cli" --home "$work/bare" \
  --settings "$work/settings.ini" --today 2013-03-10 export csv >/dev/null 2>&1 || true
[ -z "$(ls -A "$work/bare")" ] || fail "files copied into --home: $(ls -A "$work/bare")"

desktop-file-validate "$stage/usr/share/applications/de.quandor.Kugelmeister.desktop"
metainfo=$stage/usr/share/metainfo/de.quandor.Kugelmeister.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null
for program in "$stage"/usr/bin/*; do
  grep -q "<binary>$(basename "$program")</binary>" "$metainfo" || fail "the metainfo does not provide $program"
done
# The screenshots it names are the ones rendered into docs/.
shots=$(sed -n 's#.*<image[^>]*>[^<]*/docs/\(screenshots/[^<]*\)</image>.*#\1#p' "$metainfo")
[ -n "$shots" ] || fail "the metainfo names no screenshot"
for shot in $shots; do
  [ -s "$root/docs/$shot" ] || fail "the metainfo names docs/$shot, which is missing"
  grep -qF "(docs/$shot)" "$root/README.md" || fail "README.md does not show docs/$shot"
done
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
  ./usr/share/icons/hicolor/scalable/apps/de.quandor.Kugelmeister.svg \
  ./usr/share/doc/kugelmeister/copyright ./usr/share/doc/kugelmeister/changelog.gz \
  ./usr/share/man/man1/kugelmeister.1.gz ./usr/share/man/man1/kugelmeister-cli.1.gz \
  ./usr/share/man/man1/kugelmeister-server.1.gz \
  ./usr/share/bash-completion/completions/kugelmeister-cli; do
  grep -q " $f\$" "$work/contents" || fail "$f missing from the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libcurl4 qt6-qpa-plugins; do
  case "$depends" in *"$d"*) ;; *) fail "the package does not depend on $d: $depends" ;; esac
done
# Clean for lintian: no error, no warning, and none of its hardening notes.
lintian --display-info --fail-on error,warning "$deb" >"$work/lintian" 2>&1 ||
  fail "lintian: $(cat "$work/lintian")"
! grep -E '^[EW]: |hardening-' "$work/lintian" || fail "lintian: $(cat "$work/lintian")"
echo "installed, started, upgraded, packaged, lintian clean: $(basename "$deb")"
