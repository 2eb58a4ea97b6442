#!/usr/bin/env bash
# Installs the Debian packages the build needs, when some are missing.
# usage: scripts/deps.sh [--fuzz]   (--fuzz adds clang and its runtime for the fuzz targets)
set -euo pipefail

packages=(cmake make g++ pkg-config libsqlite3-dev nlohmann-json3-dev libcli11-dev libgtest-dev libgmock-dev)
if [[ "${1:-}" == "--fuzz" ]]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
  sudo=sudo
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
