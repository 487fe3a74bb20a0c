#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs a built tree into a temporary prefix and checks it as a user gets it:
# the packer where the installed programs find it, a reduction packed from the
# installed tree, the .desktop and AppStream files valid, icons, guide and manual
# pages in place; then builds the Debian package, lists it and has lintian check it.
#   scripts/check-install.sh [BUILD_DIR]
set -euo pipefail
# Output is read into variables before grep -q looks at it: with pipefail, a grep that
# stops at its first match would fail the pipe through the writer's broken pipe.
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${BUILD_DIR:-$root/build}}
app_id=io.github.snapwane.Snapwane
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "check-install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/snapwane bin/snapwane-reduce libexec/snapwane/snapwane-pack; do
  [[ -x $prefix/$file ]] || fail "$file is not installed"
done
for file in share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
            share/icons/hicolor/scalable/apps/snapwane.svg share/icons/hicolor/48x48/apps/snapwane.png \
            share/icons/hicolor/256x256/apps/snapwane.png share/snapwane/docs/guide/index.html \
            share/man/man1/snapwane.1.gz share/man/man1/snapwane-reduce.1.gz \
            share/doc/snapwane/copyright share/doc/snapwane/changelog.gz; do
  [[ -f $prefix/$file ]] || fail "$file is not installed"
done
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
# Every image the guide shows is installed with it.
grep -o 'src="[^"]*"' "$prefix/share/snapwane/docs/guide/index.html" | sed 's/^src="//; s/"$//' |
  while read -r image; do
    [[ -f $prefix/share/snapwane/docs/guide/$image ]] || fail "the guide's $image is not installed"
  done

"$prefix/bin/snapwane-reduce" --version
# The installed program finds the installed packer and guide, not the build tree's.
version=$("$prefix/bin/snapwane" --version)
echo "$version"
grep -qx "packer: $prefix/libexec/snapwane/snapwane-pack" <<<"$version" || fail "snapwane does not find the installed packer"
grep -qx "guide: $prefix/share/snapwane/docs/guide/index.html" <<<"$version" || fail "snapwane does not find the installed guide"

# A reduction packed from the installed tree makes the archive.
mkdir -p "$work/photos"
cp "$root/tests/data/progressive.jpg" "$work/photos/Holiday.JPG"
usage=$("$prefix/bin/snapwane-reduce" --help)
if grep -q -- '--zip' <<<"$usage"; then pack=(--zip Packed); else pack=(--sfx Packed); fi
"$prefix/bin/snapwane-reduce" -s320x240 -o "$work/out" "${pack[@]}" "$work/photos"
archive=$(ls "$work/out"/Packed.* 2>/dev/null | head -1)
[[ -n $archive ]] || fail "no archive was made from the installed tree"
listing=$(unzip -l "$archive")
grep -q ' holiday.jpg$' <<<"$listing" || fail "$archive does not hold the reduced photo"

# The Debian package, from the same install rules.
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/snapwane_*.deb | head -1)
contents=$(dpkg-deb -c "$deb")
echo "$contents"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6svg6 libjpeg62-turbo zip xdg-utils; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done
libraries=$(ldd "$build/snapwane")
if grep -q libexif <<<"$libraries"; then
  grep -q libexif <<<"$depends" || fail "the package does not depend on libexif"
fi
if grep -E '_tests|bench|snapwane-thumbnails' <<<"$contents"; then
  fail "tests or benchmarks are in the package"
fi
# Debian's own checks of the package: no error and no warning (the notes of
# lower levels are shown, not failed on).
lintian_report=$(lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1) ||
  { echo "$lintian_report"; fail "lintian finds errors or warnings in $(basename "$deb")"; }
[[ -z $lintian_report ]] || echo "$lintian_report"
# No path of the machine it was built on is left in the packaged programs.
dpkg-deb -x "$deb" "$work/deb"
for program in usr/bin/snapwane usr/bin/snapwane-reduce usr/libexec/snapwane/snapwane-pack; do
  if grep -q -F -- "$root" "$work/deb/$program"; then fail "/$program holds the build path $root"; fi
done
echo "check-install: the installed tree and $(basename "$deb") are complete"
