#!/usr/bin/env bash
# Installs what the builds and tests need on a Debian 12 machine. Idempotent and
# quiet on a ready machine: apt is only touched when something is missing.
set -euo pipefail

export DEBIAN_FRONTEND=noninteractive

packages=(
  cmake ninja-build g++ g++-mingw-w64-i686-posix
  wine wine32:i386 libgl1-mesa-dri:i386
  xvfb xauth tzdata
  googletest
  clang-14 libclang-rt-14-dev
  libbenchmark-dev
  ccache
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi

missing=()
for pkg in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  if [ "$status" != "install ok installed" ]; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
