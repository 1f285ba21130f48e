#!/bin/sh
# ctest's runner of native_vs_wasm.test.mjs: NODE VARNESK_JSON MODULE VARNESK_SIM. Without the
# web build's module there is nothing to compare with: exit 77, which ctest reports as skipped.
[ -f "$3" ] || { echo "sem o módulo $3: cmake --preset web && cmake --build --preset web"; exit 77; }
VARNESK_JSON=$2 VARNESK_MODULE=$3 VARNESK_SIM=$4 exec "$1" --test "$(dirname "$0")/native_vs_wasm.test.mjs"
