#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
# The house style first: a file clang-format would change fails the run before any build.
./tools/check_format.sh
# The browser edition's module first, with the core's tests under node, so that the release
# tests can hold it to the native program's bytes.
cmake --preset web >/dev/null
cmake --build --preset web
ctest --preset web --parallel "$(nproc)"
cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release --parallel "$(nproc)"
# The page in a real browser (Debian's chromium driven by puppeteer-core) on the module just
# built: the windows walked as a teacher walks them, and the one-file page opened from disk.
(cd web && npm ci --no-audit --no-fund && npm run typecheck && npm test)
# The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer (clang), with a
# short run of each fuzz target; the test preset sets the sanitizers' options.
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan --parallel "$(nproc)"
# The core, varnesk-sim and their tests once more with clang and LLVM's libc++, through the
# core's stand-ins for the library features that the browser edition's libc++ lacks.
cmake --preset libcxx >/dev/null
cmake --build --preset libcxx
ctest --preset libcxx --parallel "$(nproc)"
./tools/count_lines.sh
