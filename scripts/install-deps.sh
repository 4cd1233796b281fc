#!/usr/bin/env bash
# Installs the Debian packages Tolvex needs to build, test and run; with --test also the tools only
# the tests use (Chromium, for the highscore server's leaderboard page).
# Idempotent and quiet when everything is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-mixer-dev libasound2-dev
  libpng-dev zlib1g-dev libjpeg-dev
  nettle-dev
  libcairo2-dev libfreetype-dev fonts-dejavu-core fonts-dejavu-extra
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  libvorbis-dev libogg-dev
  libboost-dev libsqlite3-dev libpq-dev postgresql
  espeak-ng
  clang libclang-rt-14-dev
  dpkg-dev desktop-file-utils appstream groff-base
  ccache
)
[ "${1:-}" = "--test" ] && PACKAGES+=(chromium)

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
