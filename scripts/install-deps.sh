#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the tests and `make run` need and the machine lacks.
# Safe to run any number of times: a machine that has everything is left alone.
set -euo pipefail

packages=(
  build-essential cmake ccache pkg-config
  qtbase5-dev qtbase5-dev-tools
  qttools5-dev qttools5-dev-tools
  libqt5svg5
  libquazip1-qt5-dev
  libspdlog-dev
  libssl-dev
  ocl-icd-libopencl1 ocl-icd-opencl-dev opencl-c-headers
  pocl-opencl-icd
  xvfb xauth x11-utils imagemagick
  fonts-dejavu-core
  procps
  python3
  curl
  desktop-file-utils xdg-utils libfile-mimeinfo-perl shared-mime-info appstream
  dpkg-dev lintian file
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
