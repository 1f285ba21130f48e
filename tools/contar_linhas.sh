#!/usr/bin/env bash
# Lines of product code (src/, and web/ outside its tests) and of test code (tests/, fuzz/,
# web/tests/), and their ratio: the non-blank lines that are not only a comment, of C++, shell,
# Python, CMake, JavaScript, HTML and CSS files. The tests are kept at a quarter to a third of
# the product code.
cd "$(dirname "$0")/.." || exit 1
count() {
  git ls-files -co --exclude-standard -- "$@" | grep -E '(\.(cpp|cc|h|hpp|sh|py|cmake|js|mjs|html|css)|CMakeLists\.txt)$' |
    xargs -r cat | grep -cvE '^\s*(//.*|#( .*)?|/?\*.*)?$'
}
product=$(count src web ':!web/tests') tests=$(count tests fuzz web/tests)
echo "Linhas de teste: $tests; de produto: $product; razão $((100 * tests / product)) %"
