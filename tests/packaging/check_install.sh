#!/usr/bin/env bash
# cmake --install into a scratch DESTDIR: the tree, the tool run from it, and the message
# when the population is missing.
# Arguments: build dir, source dir, 1 if the Qt program is built.
set -u
build=$1 source=$2 has_ui=$3
. "$(dirname "$0")/common.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/log" 2>&1 ||
  { cat "$work/log"; echo "FAIL: cmake --install"; exit 1; }
check_tree "$work/root"

check_missing_population "$work/root"
[ "$failures" = 0 ] || { echo "$failures failure(s)"; exit 1; }
