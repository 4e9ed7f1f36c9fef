#!/usr/bin/env bash
# Builds the Debian package, checks its control fields and that every file of
# the install is in it at its place under /usr, then unpacks it into a
# temporary root and starts the unpacked program the way a user would.
#
# package_contents.sh BUILD MODULEDIR VERSION (the module folder relative to /usr,
# the project's version)
set -euo pipefail
build=$1 moduledir=$2 version=$3
id=org.kestrom.Kestrom
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --build "$build" --target package >/dev/null
deb=$build/kestrom_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no package $deb"

[ "$(dpkg-deb -f "$deb" Package)" = kestrom ] || fail "the package is not named kestrom"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
[ -n "$(dpkg-deb -f "$deb" Homepage)" ] || fail "the package names no Homepage"
# The dependencies come from the binaries (Qt for the program, libzip for the
# module), but for Qt's window-system plugins, which are loaded at run time.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libzip4 libjpeg62-turbo libc6 qt6-qpa-plugins; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in usr/bin/kestrom usr/bin/kestrom-cli "usr/$moduledir/unzdll.dll" \
            usr/share/kestrom/patch.wnt usr/share/kestrom/options.ini \
            usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
            usr/share/icons/hicolor/256x256/apps/$id.png usr/share/icons/hicolor/16x16/apps/$id.png \
            usr/share/man/man1/kestrom-cli.1.gz usr/share/man/man1/kestrom.1.gz usr/share/bash-completion/completions/kestrom-cli \
            usr/share/doc/kestrom/copyright usr/share/doc/kestrom/changelog.gz usr/share/doc/kestrom/README.Debian; do
  grep -qx "./$file" <<<"$contents" || fail "$file is not in the package"
done
! grep -q '^\./usr/local' <<<"$contents" || fail "the package installs under /usr/local"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root/unpacked"
export HOME=$root/home XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data
mkdir -p "$HOME"
QT_QPA_PLATFORM=offscreen KESTROM_QUIT_AFTER_START=1 timeout 60 "$root/unpacked/usr/bin/kestrom" \
  || fail "the unpacked program did not start and close (status $?)"
grep -q '^wwidth=' "$XDG_CONFIG_HOME/kestrom/options.ini" || fail "no settings in the user's configuration folder"
cmp -s "$root/unpacked/usr/$moduledir/unzdll.dll" "$XDG_DATA_HOME/kestrom/unzdll.dll" \
  || fail "the unzip module was not copied from the package"

# Completion offers the commands, folders after --output, the fill bytes, DAT
# files after --dat, and
# images and archives (images only for the commands that change files in place).
completion=$root/unpacked/usr/share/bash-completion/completions/kestrom-cli
mkdir -p "$root/work/outdir"
touch "$root/work/a.gba" "$root/work/b.ZIP" "$root/work/c.txt" "$root/work/d.dat" "$root/work/outdir/my game.gba"
complete_words() {
  (cd "$root/work" && bash -c "
    source /usr/share/bash-completion/bash_completion
    source '$completion'
    COMP_WORDS=($1); COMP_CWORD=\$((\${#COMP_WORDS[@]} - 1)); _kestrom_cli
    printf '%s\n' \"\${COMPREPLY[@]}\" | sort | paste -sd' '")
}
while IFS='|' read -r line expected; do
  [ "$(complete_words "$line")" = "$expected" ] || fail "completing '$line' offered: $(complete_words "$line")"
done <<'ROWS'
kestrom-cli fix|fix-header
kestrom-cli pad --output out|outdir
kestrom-cli pad --fill ''|00 FF
kestrom-cli info ''|a.gba b.ZIP outdir
kestrom-cli info outdir/|outdir/my game.gba
kestrom-cli fix-header ''|a.gba outdir
kestrom-cli process --tr|--truncate
kestrom-cli ve|verify
kestrom-cli verify --dat ''|d.dat outdir
ROWS

# lintian, when there, finds no error, and no hardening, ldconfig or
# unneeded-section tags among its notes either.
if command -v lintian >/dev/null; then
  notes=$(lintian --fail-on error --display-info "$deb") || fail "lintian reports errors: $notes"
  ! grep -E 'hardening-|ldconfig|unneeded-section' <<<"$notes" || fail "lintian notes the build: $notes"
fi
echo "package $deb: control fields, files and start checked"
