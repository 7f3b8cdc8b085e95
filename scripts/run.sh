#!/usr/bin/env bash
# Installs what is missing, builds, and runs Lampstride.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build="${LAMPSTRIDE_BUILD_DIR:-$root/build}"
if [ -z "${DISPLAY:-}" ]; then
  echo "Дисплея X11 немає (DISPLAY порожня), тож панель показати ніде. Ось вірш із командного рядка:"
  exec "$build/bin/lampstride-cli" search "${1:-Ів 3:16}"
fi
exec "$build/bin/lampstride"
