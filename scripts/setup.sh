#!/usr/bin/env bash
# Installs the Debian 12 packages Lampstride needs to build, run and test.
# Idempotent: when everything is present it prints nothing and changes nothing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  # Qt 6 (Core, Gui, Quick, Controls, Widgets for the tray)
  qt6-base-dev qt6-declarative-dev
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts
  qml6-module-qtquick-window qml6-module-qtquick-templates qml6-module-qtqml-workerscript
  qml6-module-qt-labs-platform qml6-module-qttest qml6-module-qtquick-shapes
  qml6-module-qt5compat-graphicaleffects
  # text, database, X11
  libicu-dev libsqlite3-dev libsqlitecpp-dev sqlite3
  libx11-dev libx11-xcb-dev libxcb1-dev libxcb-xtest0-dev libxcb-keysyms1-dev libxcb-xkb-dev libxkbcommon-dev
  # fonts the panel draws with (a sans face and a serif face for verse text)
  fonts-dejavu-core
  # tests, benchmarks, fuzzing
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth openbox mousepad xdotool xclip x11-utils x11-xkb-utils xkb-data
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null
