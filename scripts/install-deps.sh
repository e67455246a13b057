#!/usr/bin/env bash
# Installs the Debian packages ZAQ needs to build, test and run. Safe to run again:
# it asks apt only for what is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-serialport-dev qt6-charts-dev qt6-httpserver-dev qt6-websockets-dev libqt6opengl6-dev qt6-qpa-plugins libxkbcommon-dev libgl-dev
  libjpeg62-turbo-dev libjpeg-turbo-progs
  libcurl4-openssl-dev
  libasound2-dev libsndfile1-dev
  dbus dbus-x11 libglib2.0-bin
  libindi-dev libnova-dev indi-bin
  clang libclang-rt-14-dev clang-format
  xvfb xauth fonts-dejavu-core
  locales
  systemd desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

as_root=()
if [[ $(id -u) -ne 0 ]]; then
  as_root=(sudo)
fi

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -q
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The tests run a second time under the station PC's Spanish locale.
if ! locale -a 2>/dev/null | grep -qix 'es_ES.utf8'; then
  "${as_root[@]}" localedef -i es_ES -c -f UTF-8 es_ES.UTF-8
fi
