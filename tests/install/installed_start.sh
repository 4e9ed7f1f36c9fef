#!/usr/bin/env bash
# Installs the build into a fresh prefix, checks that every file lands in its
# place, and starts the installed program the way a user would after a package
# install: its folder holds none of its files, so the settings come from the
# install into the user's configuration folder, and the patch and the unzip
# module from the install's data and library folders.
#
# installed_start.sh BUILD SOURCE BINDIR DATADIR MODULEDIR SHAREDIR MANDIR
# (the folders relative to the prefix, as the build's install rules use them)
set -euo pipefail
build=$1 source=$2 bindir=$3 datadir=$4 moduledir=$5 sharedir=$6 mandir=$7
id=org.kestrom.Kestrom

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=$root/prefix
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in "$bindir/kestrom" "$bindir/kestrom-cli" "$moduledir/unzdll.dll" "$datadir/patch.wnt" \
            "$datadir/options.ini" "$sharedir/applications/$id.desktop" "$sharedir/metainfo/$id.metainfo.xml" \
            "$mandir/man1/kestrom-cli.1.gz" "$mandir/man1/kestrom.1.gz"; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/$sharedir/icons/hicolor/${size}x${size}/apps/$id.png
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "no ${size}x${size} icon"
done
[ -x "$prefix/$bindir/kestrom" ] || fail "kestrom is not executable"
cmp -s "$source/assets/options.ini" "$prefix/$datadir/options.ini" || fail "options.ini is not the shipped one"
desktop-file-validate "$prefix/$sharedir/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/$sharedir/metainfo/$id.metainfo.xml" >/dev/null
# The manual page comes from the tool's own --help.
zgrep -qF 'remove\-eh' "$prefix/$mandir/man1/kestrom-cli.1.gz" || fail "the manual page lacks remove-eh"

# A user of their own, with nothing of Kestrom's yet.
export HOME=$root/home XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data
mkdir -p "$HOME"

# The command-line tool finds the installed patch by default.
printf '\x2e\x00\x00\xea' > "$root/game.gba"
head -c 1020 /dev/zero >> "$root/game.gba"
log=$("$prefix/$bindir/kestrom-cli" process --exithack --output "$root/out" "$root/game.gba") \
  || fail "kestrom-cli did not find the installed patch"
[[ $log == *"[EH Applied]"* ]] || fail "kestrom-cli logged: $log"

# The program: started offscreen, it closes itself once up (writing its
# settings as a close by the user does).
QT_QPA_PLATFORM=offscreen KESTROM_QUIT_AFTER_START=1 timeout 60 "$prefix/$bindir/kestrom" \
  || fail "the installed program did not start and close (status $?)"
settings=$XDG_CONFIG_HOME/kestrom/options.ini
[ -f "$settings" ] || fail "no settings in the user's configuration folder"
grep -q '^wwidth=' "$settings" || fail "closing did not write the user's settings"
cmp -s "$source/assets/options.ini" "$prefix/$datadir/options.ini" || fail "the shipped options.ini was changed"
[ ! -e "$prefix/$bindir/options.ini" ] || fail "settings were written beside the installed program"
cmp -s "$prefix/$moduledir/unzdll.dll" "$XDG_DATA_HOME/kestrom/unzdll.dll" || fail "the unzip module was not copied"
echo "installed into $prefix: every file in place, the program started and closed"
