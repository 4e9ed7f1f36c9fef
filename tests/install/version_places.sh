#!/usr/bin/env bash
# Checks that every place of a build that shows the version shows the one
# CMakeLists.txt declares: kestrom-cli --version, the AppStream metainfo, both
# manual pages and the package's change log. (The window's title and the About
# box are checked by the window tests, the package's control file by
# package_contents.sh.)
#
# version_places.sh VERSION BUILD
set -euo pipefail
version=$1 build=$2
fail() { echo "FAILED: $*" >&2; exit 1; }

[ "$("$build/bin/kestrom-cli" --version)" = "kestrom-cli $version" ] \
  || fail "kestrom-cli --version says $("$build/bin/kestrom-cli" --version), not $version"
grep -qF "<release version=\"$version\"" "$build/assets/org.kestrom.Kestrom.metainfo.xml" \
  || fail "the metainfo's release is not $version"
grep -q "^\.TH .*\"kestrom-cli $version\"" "$build/assets/kestrom-cli.1" \
  || fail "the manual page of kestrom-cli does not name $version"
grep -q "^\.TH .*\"Kestrom $version\"" "$build/assets/kestrom.1" \
  || fail "the manual page of kestrom does not name $version"
[ "$(head -1 "$build/assets/changelog")" = "kestrom ($version) unstable; urgency=medium" ] \
  || fail "the change log's entry is not $version"
echo "every place shows $version"
