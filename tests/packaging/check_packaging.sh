#!/usr/bin/env bash
# The installed tree (cmake --install) and the .deb hold exactly the expected files, with bin/
# linking beside the population; the programs run from there; the menu entry, AppStream data,
# icons and documentation links are sound.
# Arguments: build dir, source dir, 1 if the Qt program is built, project version.
set -u
build=$1 source=$2 has_ui=$3 version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
app=io.github.varnesk.Varnesk
programs=varnesk-sim
[ "$has_ui" = 1 ] && programs="varnesk-sim varnesk"

expected_tree() {
  { printf 'usr/%s\n' bin/varnesk-sim lib/varnesk/populacao.txt lib/varnesk/varnesk-sim share/doc/varnesk/guia.md share/doc/varnesk/LICENSE
    for shot in "$source"/docs/screenshots/*.png; do echo "usr/share/doc/varnesk/screenshots/${shot##*/}"; done
    if [ "$has_ui" = 1 ]; then
      printf 'usr/%s\n' bin/varnesk lib/varnesk/varnesk share/applications/$app.desktop \
        share/metainfo/$app.metainfo.xml share/icons/hicolor/scalable/apps/varnesk.svg
      for s in 16 32 48 64 128 256; do echo "usr/share/icons/hicolor/${s}x${s}/apps/varnesk.png"; done
    fi; } | LC_ALL=C sort
}

check_tree() {  # an installed tree rooted at $1
  local root=$1 program exec
  diff <(expected_tree) <(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) || fail "files of $root"
  for program in $programs; do
    [ "$(readlink "$root/usr/bin/$program")" = "../lib/varnesk/$program" ] ||
      fail "bin/$program is no link beside the population"
  done
  exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$root/usr/share/applications/$app.desktop" 2>/dev/null)
  [ "$has_ui" = 0 ] || [ -e "$root/usr/bin/$exec" ] || fail "the menu entry starts no installed program"
  cmp -s "$root/usr/lib/varnesk/populacao.txt" "$source/data/populacao.txt" || fail "installed population"
  # Started through its link from another folder, the tool finds the population beside itself.
  [ "$(cd / && "$root/usr/bin/varnesk-sim" -n 10 -r 5 -s 1 | head -c 7)" = "Mínimo" ] || fail "installed varnesk-sim"
}

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/log" 2>&1 || { cat "$work/log"; fail "cmake --install"; }
check_tree "$work/root"
rm "$work/root/usr/lib/varnesk/populacao.txt"
message=$("$work/root/usr/bin/varnesk-sim" -n 10 -r 5 2>&1)
[ $? = 1 ] && [[ "$message" == *"$work/root/usr/lib/varnesk/populacao.txt"* ]] || fail "without the population: $message"

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/log" 2>&1 || { cat "$work/log"; fail "cpack"; }
deb="$work/out/varnesk_${version}_$(dpkg --print-architecture).deb"
depends=$(dpkg-deb -f "$deb" Depends) || fail "no package $deb"
needed="libc6 libstdc++6"  # from dpkg-shlibdeps; the rest is loaded at run time
[ "$has_ui" = 1 ] && needed="$needed libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-extra fonts-liberation2"
for package in $needed; do
  [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] || fail "Depends lacks $package"
done
dpkg-deb -x "$deb" "$work/deb" && check_tree "$work/deb"

if [ "$has_ui" = 1 ]; then
  desktop-file-validate "$source/packaging/$app.desktop" || fail "menu entry"
  appstreamcli validate --no-net "$source/packaging/$app.metainfo.xml" >/dev/null || fail "AppStream data"
  grep -q "<release version=\"$version\"" "$source/packaging/$app.metainfo.xml" || fail "no AppStream release $version"
  grep -q "<project_license>GPL-3.0-or-later</project_license>" "$source/packaging/$app.metainfo.xml" ||
    fail "AppStream data names no licence"
  python3 "$source/packaging/icons/make_icons.py" --check "$source/packaging/icons" ||
    fail "icons are not what make_icons.py draws"
fi
for doc in README.md docs/guia.md; do  # every local link and picture exists
  for target in $(grep -o '](\([^)#]*\)' "$source/$doc" | sed 's/^](//' | grep -v '^https\?:'); do
    [ -e "$(dirname "$source/$doc")/$target" ] || fail "$doc links to missing $target"
  done
done
[ "$failures" = 0 ]
