# Shared by the packaging checks: what an installed Varnesk must hold, and how it must behave.
# The caller sets has_ui (1 when the Qt program is built) and source (the source tree).

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Every file and link a /usr install must hold, relative to the root; nothing else may appear.
expected_tree() {
  {
    echo usr/bin/varnesk-sim
    echo usr/lib/varnesk/populacao.txt
    echo usr/lib/varnesk/varnesk-sim
    echo usr/share/doc/varnesk/guia.md
    for shot in "$source"/docs/screenshots/*.png; do
      [ -e "$shot" ] && echo "usr/share/doc/varnesk/screenshots/${shot##*/}"
    done
    if [ "$has_ui" = 1 ]; then
      echo usr/bin/varnesk
      echo usr/lib/varnesk/varnesk
      echo usr/share/applications/io.github.varnesk.Varnesk.desktop
      echo usr/share/metainfo/io.github.varnesk.Varnesk.metainfo.xml
      for s in 16 32 48 64 128 256; do echo "usr/share/icons/hicolor/${s}x${s}/apps/varnesk.png"; done
      echo usr/share/icons/hicolor/scalable/apps/varnesk.svg
    fi
  } | LC_ALL=C sort
}

# Width and height of a PNG, from its IHDR chunk.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

# Checks an installed tree rooted at $1 (the prefix /usr inside it).
check_tree() {
  local root=$1 actual
  actual=$(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
  [ "$actual" = "$(expected_tree)" ] || fail "installed files differ from the expected layout:
$(diff <(expected_tree) <(printf '%s\n' "$actual"))"

  local program
  for program in varnesk-sim $([ "$has_ui" = 1 ] && echo varnesk); do
    [ -L "$root/usr/bin/$program" ] || fail "bin/$program is not a link"
    [ "$(readlink "$root/usr/bin/$program")" = "../lib/varnesk/$program" ] ||
      fail "bin/$program points at $(readlink "$root/usr/bin/$program"), not beside the population"
    [ -x "$root/usr/lib/varnesk/$program" ] || fail "lib/varnesk/$program is not executable"
  done
  cmp -s "$root/usr/lib/varnesk/populacao.txt" "$source/data/populacao.txt" ||
    fail "the installed population differs from data/populacao.txt"

  # Started through its link from an unrelated folder, the tool still finds the population
  # beside the real executable.
  local panel
  panel=$(cd / && "$root/usr/bin/varnesk-sim" -n 10 -r 5 -s 1 2>&1)
  [ "$(printf '%s\n' "$panel" | wc -l)" = 7 ] && [ "${panel%%:*}" = "Mínimo" ] ||
    fail "installed varnesk-sim did not print the seven-line panel:
$panel"

  [ "$has_ui" = 1 ] || return 0
  local s
  for s in 16 32 48 64 128 256; do
    [ "$(png_size "$root/usr/share/icons/hicolor/${s}x${s}/apps/varnesk.png")" = "${s}x${s}" ] ||
      fail "the ${s}x${s} icon has another size"
  done
  local desktop=$root/usr/share/applications/io.github.varnesk.Varnesk.desktop
  local metainfo=$root/usr/share/metainfo/io.github.varnesk.Varnesk.metainfo.xml
  # The menu entry must name a program in bin/ and an icon the tree installs.
  [ -e "$root/usr/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")" ] ||
    fail "the menu entry's Exec names no installed program"
  [ -e "$root/usr/share/icons/hicolor/32x32/apps/$(sed -n 's/^Icon=//p' "$desktop").png" ] ||
    fail "the menu entry's Icon names no installed icon"
  grep -q '<launchable type="desktop-id">io.github.varnesk.Varnesk.desktop</launchable>' \
    "$metainfo" || fail "the AppStream launchable does not name the installed menu entry"
}

# Without its population the installed tool stops with status 1 and says which file it missed.
check_missing_population() {
  local root=$1 message status
  rm "$root/usr/lib/varnesk/populacao.txt"
  message=$("$root/usr/bin/varnesk-sim" -n 10 -r 5 -s 1 2>&1 >/dev/null)
  status=$?
  [ "$status" = 1 ] || fail "without populacao.txt the exit status is $status, not 1"
  case "$message" in
    *"$root/usr/lib/varnesk/populacao.txt"*) ;;
    *) fail "without populacao.txt the message does not name the file: $message" ;;
  esac
}
