#!/usr/bin/env bash
# Builds the .deb with cpack and checks its control fields and its contents, then unpacks it
# and runs the tool from the unpacked tree.
# Arguments: build dir, source dir, 1 if the Qt program is built, project version.
set -u
build=$1 source=$2 has_ui=$3 version=$4
. "$(dirname "$0")/common.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/log" 2>&1 ||
  { cat "$work/log"; echo "FAIL: cpack"; exit 1; }
deb=$(find "$work/out" -maxdepth 1 -name '*.deb')
[ "$(basename "$deb")" = "varnesk_${version}_$(dpkg --print-architecture).deb" ] ||
  { echo "FAIL: expected one varnesk_${version} package, found: $deb"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = varnesk ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
depends=$(field Depends)
# dpkg-shlibdeps must have run: the C++ runtime comes from it, not from a hand-written list.
needed="libc6 libstdc++6"
[ "$has_ui" = 1 ] && needed="$needed libqt6widgets6 qt6-qpa-plugins fonts-dejavu-extra fonts-liberation2"
for package in $needed; do
  case ", $depends," in *", $package "* | *", $package,"*) ;; *) fail "Depends lacks $package: $depends" ;; esac
done

# The package holds the same files as a /usr install, with the links kept as links.
contents=$(dpkg-deb -c "$deb")
listed=$(printf '%s\n' "$contents" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | LC_ALL=C sort)
[ "$listed" = "$(expected_tree)" ] || fail "package contents differ from the expected layout:
$(diff <(expected_tree) <(printf '%s\n' "$listed"))"
for program in varnesk-sim $([ "$has_ui" = 1 ] && echo varnesk); do
  printf '%s\n' "$contents" | grep -q "^l.* \./usr/bin/$program -> \.\./lib/varnesk/$program\$" ||
    fail "usr/bin/$program is not a relative link in the package"
done

dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root"
[ "$failures" = 0 ] || { echo "$failures failure(s)"; exit 1; }
