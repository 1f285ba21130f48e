#!/usr/bin/env bash
# Lines of product code (src/, and web/ outside its tests) and of test code (tests/, fuzz/, the
# page's tests), and their ratio: the non-blank lines that are not only a comment, of C++, shell,
# Python, CMake and JavaScript files, outside node_modules and build output. The tests are kept
# at a quarter to a third of the product code.
cd "$(dirname "$0")/.." || exit 1
files() {
  git ls-files -co --exclude-standard -- "$@" | grep -E '(\.(cpp|cc|h|hpp|sh|py|cmake|ts|js|mjs|cjs)|CMakeLists\.txt)$' |
    grep -vE '(^|/)(node_modules|dist|build|vendor|third_party)/|\.min\.js$'
}
count() { xargs -r cat | grep -cvE '^\s*(//.*|#( .*)?|/?\*.*)?$'; }
tests='(^|/)(tests?|e2e|__tests__)/|\.test\.(ts|js|mjs|cjs)$'
product=$( { files src web | grep -vE "$tests"; } | count)
tested=$( { files tests fuzz; files src web | grep -E "$tests"; } | count)
echo "Test lines: $tested; product lines: $product; ratio $((100 * tested / product)) %"
