#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Varnesk need, if any is
# missing. Runs apt-get as root, or through sudo.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev libpcg-cpp-dev libboost-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xauth
  fonts-dejavu-extra
  dpkg-dev file desktop-file-utils appstream python3
  clang clang-format libclang-rt-14-dev llvm
  libc++-14-dev libc++abi-14-dev googletest
  emscripten nodejs chromium
)
# npm comes with some builds of nodejs, which then conflict with Debian's own npm package.
command -v npm >/dev/null 2>&1 || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Instalando: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
