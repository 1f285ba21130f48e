#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release --parallel "$(nproc)"
# The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer (clang), with a
# short run of each fuzz target; the test preset sets the sanitizers' options.
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan --parallel "$(nproc)"
./tools/contar_linhas.sh
