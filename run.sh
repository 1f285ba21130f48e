#!/usr/bin/env bash
# Installs what is missing, builds, and starts Varnesk. With --web: builds the browser edition
# (web/dist/varnesk.html, the one file a teacher can open from disk, with its manifest and
# service worker beside it) and serves that folder locally, printing its address.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
if [ "${1:-}" = "--web" ]; then
  cmake --preset web >/dev/null
  cmake --build --preset web
  (cd web && npm ci --no-audit --no-fund >/dev/null && node tools/bundle.mjs --core ../build/web/web/varnesk_core.mjs)
  port=${PORT:-8080}
  echo "Varnesk no navegador: http://localhost:$port/varnesk.html (ou abra web/dist/varnesk.html direto do disco)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory web/dist
fi
cmake --preset release >/dev/null
cmake --build --preset release
exec ./build/release/bin/varnesk "$@"
