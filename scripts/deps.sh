#!/usr/bin/env bash
# Installs the Debian packages the build needs, when some are missing.
# usage: scripts/deps.sh [--fuzz] [--windows]
#   --fuzz     adds clang and its runtime for the fuzz targets
#   --windows  adds MinGW-w64 and wine for the Windows cross-build, and fetches
#              the SQLite amalgamation into build-deps/sqlite/ (see fetch_sqlite)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

packages=(cmake make g++ pkg-config libsqlite3-dev nlohmann-json3-dev libcli11-dev libgtest-dev libgmock-dev zlib1g-dev)
windows=0
for arg in "$@"; do
  case $arg in
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --windows)
      packages+=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 googletest)
      # npm may come with a Node.js that is not Debian's; any npm will do.
      command -v npm >/dev/null || packages+=(npm)
      windows=1 ;;
    *) echo "usage: scripts/deps.sh [--fuzz] [--windows]" >&2; exit 2 ;;
  esac
done

# SQLite for the Windows build: no Debian package carries it for MinGW. The
# npm package below ships the plain amalgamation in package/deps/sqlite3/; the
# tarball is pinned by its sha256, so a changed upload is refused.
sqlite_npm=better-sqlite3@12.11.1
sqlite_version=3.53.2
sqlite_sha256=ebf0ed75a7a59dbcb3b24bbd014ef49d9f15bc328e4adcbf516f2a8fadfa2835
sqlite_dir=$top/build-deps/sqlite   # its VERSION file names the version it holds

fetch_sqlite() {
  [[ -f $sqlite_dir/sqlite3.c && -f $sqlite_dir/sqlite3.h && $(cat "$sqlite_dir/VERSION" 2>/dev/null) == "$sqlite_version" ]] &&
    return 0
  local scratch
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' RETURN
  echo "Fetching the SQLite $sqlite_version amalgamation ($sqlite_npm)"
  (cd "$scratch" && npm pack --silent "$sqlite_npm" >/dev/null)
  local tarball=("$scratch"/*.tgz)
  echo "$sqlite_sha256  ${tarball[0]}" | sha256sum --check --quiet ||
    { echo "the $sqlite_npm tarball does not have the expected sha256" >&2; return 1; }
  tar -xzf "${tarball[0]}" -C "$scratch" package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
  grep -q "^#define SQLITE_VERSION  *\"$sqlite_version\"" "$scratch/package/deps/sqlite3/sqlite3.h" ||
    { echo "the $sqlite_npm tarball does not carry SQLite $sqlite_version" >&2; return 1; }
  mkdir -p "$sqlite_dir"
  cp "$scratch/package/deps/sqlite3/sqlite3.c" "$scratch/package/deps/sqlite3/sqlite3.h" "$sqlite_dir/"
  echo "$sqlite_version" >"$sqlite_dir/VERSION"
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
    sudo=sudo
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [[ $windows == 1 ]]; then fetch_sqlite; fi
