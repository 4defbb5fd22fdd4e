#!/usr/bin/env bash
# The Debian package of a build: made with cpack, unpacked into a scratch root without
# installing it, its programs run from there, its files present and valid, and no error from
# lintian. Usage: package_test.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "package_test: $*" >&2
  exit 1
}

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log") ||
  { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb="$scratch/out/quarvel_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb"
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root

for program in quarvel-search quarvel; do
  out=$("$root/usr/bin/$program" --version)
  [ "$out" = "$program $version" ] || fail "$program --version printed '$out'"
done
for file in usr/share/applications/quarvel.desktop \
            usr/share/icons/hicolor/scalable/apps/quarvel.svg \
            usr/share/icons/hicolor/256x256/apps/quarvel.png \
            usr/share/metainfo/io.github.quarvel.Quarvel.metainfo.xml \
            usr/share/man/man1/quarvel-search.1.gz \
            usr/share/doc/quarvel/copyright; do
  [ -f "$root/$file" ] || fail "missing /$file"
done
if [ -x "$build/cli/quarvel-lattice" ]; then
  [ -f "$root/usr/share/man/man1/quarvel-lattice.1.gz" ] || fail "quarvel-lattice without its manual"
  "$root/usr/bin/quarvel-lattice" --version >/dev/null || fail "quarvel-lattice --version failed"
fi
for page in "$root"/usr/share/man/man1/*.1.gz; do
  man --warnings -l "$page" 2>&1 >/dev/null | grep . && fail "warnings from $(basename "$page")"
done
# The package's own texts name the lattice program too.
dpkg-deb -f "$deb" Description | grep quarvel-lattice >/dev/null || fail "Description lacks quarvel-lattice"
sed -n '/<description>/,/<\/description>/p' \
  "$root/usr/share/metainfo/io.github.quarvel.Quarvel.metainfo.xml" | grep quarvel-lattice >/dev/null ||
  fail "metainfo description lacks quarvel-lattice"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6widgets6; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.quarvel.Quarvel.metainfo.xml" ||
  fail "metainfo refused"
desktop-file-validate "$root/usr/share/applications/quarvel.desktop" | grep -v ': hint: ' | grep . &&
  fail "desktop entry refused"
lintian --fail-on error "$deb" || fail "lintian reports an error"
echo "package_test: $deb passes"
