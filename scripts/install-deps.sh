#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run again: when
# everything is present it does nothing. `--windows` adds the mingw-w64 and
# Wine packages for the vrn.dll build and its tests.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config git clang-format
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libicu-dev libsqlite3-dev sqlite3 nlohmann-json3-dev libcli11-dev
  python3 python3-ezdxf unicode-data
  clang libclang-rt-14-dev
)
if [[ "${1:-}" == "--windows" ]]; then
  packages+=(g++-mingw-w64-x86-64 mingw-w64-tools wine wine64 libwine-dev dpkg-dev tcl make gcc
    xvfb xauth imagemagick locales)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
