#!/usr/bin/env bash
# Lines of product code (src/) and of test code (tests/, fuzz/), and their ratio: the non-blank
# lines that are not only a comment, of C++, shell, Python and CMake files. The tests are kept
# at a quarter to a third of the product code.
cd "$(dirname "$0")/.." || exit 1
count() {
  git ls-files -co --exclude-standard -- "$@" | grep -E '(\.(cpp|cc|h|hpp|sh|py|cmake)|CMakeLists\.txt)$' |
    xargs -r cat | grep -cvE '^\s*(//.*|#( .*)?|/?\*.*)?$'
}
product=$(count src) tests=$(count tests fuzz)
echo "Test lines: $tests; product lines: $product; ratio $((100 * tests / product)) %"
