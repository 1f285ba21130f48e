#!/usr/bin/env bash
# Every local link and image in the README and the teachers' guide points at a file that
# exists, so a renamed screenshot or a moved guide does not leave a broken picture behind.
set -u
source=$1
failures=0
for doc in README.md docs/guia.md; do
  dir=$(dirname "$source/$doc")
  while IFS= read -r target; do
    case "$target" in http://* | https://* | '#'*) continue ;; esac
    [ -e "$dir/${target%%#*}" ] || { echo "FAIL: $doc links to missing $target"; failures=$((failures + 1)); }
  done < <(grep -o '](\([^)]*\))' "$source/$doc" | sed 's/^](\(.*\))$/\1/')
done
[ "$failures" = 0 ]
