#!/usr/bin/env bash
# Starts the program where the build put it, as `build/bin/kestrom` after a
# plain build: everything it needs must already lie beside it. The settings
# that its close writes are put back afterwards, so the test leaves the build
# folder as it found it.
#
# build_start.sh BINDIR
set -euo pipefail
bin=$1
fail() { echo "FAILED: $*" >&2; exit 1; }
for file in kestrom options.ini patch.wnt unzdll.dll; do
  [ -f "$bin/$file" ] || fail "the build did not put $file beside the program"
done

root=$(mktemp -d)
cp -p "$bin/options.ini" "$root/options.ini"
trap 'cp -p "$root/options.ini" "$bin/.options.ini.restore" && mv -f "$bin/.options.ini.restore" "$bin/options.ini"; rm -rf "$root"' EXIT
export XDG_DATA_HOME=$root/data XDG_CONFIG_HOME=$root/config
# A module left by an earlier build: the start must put this build's in its place.
mkdir -p "$XDG_DATA_HOME/kestrom"
printf 'an older module' > "$XDG_DATA_HOME/kestrom/unzdll.dll"

QT_QPA_PLATFORM=offscreen KESTROM_QUIT_AFTER_START=1 timeout 60 "$bin/kestrom" \
  || fail "the program did not start and close (status $?)"
[ ! -e "$XDG_CONFIG_HOME/kestrom/options.ini" ] || fail "the settings left the program's folder"
grep -q '^wwidth=' "$bin/options.ini" || fail "closing did not write the settings beside the program"
cmp -s "$bin/unzdll.dll" "$XDG_DATA_HOME/kestrom/unzdll.dll" || fail "the older unzip module was kept"
echo "started from $bin with the files the build put beside it"
